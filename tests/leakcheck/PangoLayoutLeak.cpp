// Proof that the leak checker still sees our own leaks of text-library
// objects: the program draws text the way the toolkit does, so fontconfig,
// Pango, HarfBuzz, cairo and GLib build their caches, and then makes a font
// map, context and layout of its own. With "leak" it forgets to unref the
// layout, as a missing g_object_unref in our code would; ctest expects the
// sanitized build to report it. With "clean" it frees the layout, and ctest
// expects no report: the libraries' own caches are no leaks of ours.
#include <pango/pangocairo.h>

#include <cstdio>
#include <cstring>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

int main(int argc, char** argv) {
  const bool leak = argc > 1 && std::strcmp(argv[1], "leak") == 0;
  {
    TBitmap bitmap;
    bitmap.SetSize(120, 30);
    bitmap.Canvas()->TextOut(2, 2, "Quelix \xE2\x82\xAC \xC3\xA9");
  }
  PangoFontMap* map = pango_cairo_font_map_new();
  PangoContext* context = pango_font_map_create_context(map);
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_text(layout, "a layout of our own", -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  std::printf("layout %d x %d, %s\n", width, height, leak ? "leaked" : "freed");
  if (!leak) g_object_unref(layout);
  g_object_unref(context);
  g_object_unref(map);
  return 0;
}
