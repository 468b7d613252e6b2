// The Pango side of canvas text: fonts, metrics, measuring, drawing a line.

#include "toolkit/graphics/CanvasText.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "toolkit/graphics/TextLayout.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

// The identity of a face as far as shaping and metrics go.
struct TFaceKey {
  std::string Family;
  double EmPixels;
  bool Bold, Italic, Fixed;
  int FixedLine, FixedCell;
  bool operator==(const TFaceKey&) const = default;
};

struct TFaceKeyHash {
  size_t operator()(const TFaceKey& k) const {
    size_t h = std::hash<std::string>()(k.Family);
    h = h * 31 + std::hash<double>()(k.EmPixels);
    h = h * 31 + (k.Bold ? 1 : 0) + (k.Italic ? 2 : 0) + (k.Fixed ? 4 : 0);
    return h * 31 + size_t(k.FixedLine) * 1009 + size_t(k.FixedCell);
  }
};

// What one face keeps once it has been met.
struct TFace {
  PangoFontDescription* Description = nullptr;
  bool HasMetrics = false;
  TTextMetric Metrics;
  // The strike-out bar, from the top of the text, in whole pixels.
  int StrikeTop = 0, StrikeHeight = 1;
};

// The windows were laid out for Tahoma. Debian's fonts-wine carries a Tahoma
// of the same metrics in a folder fontconfig does not search; its two faces
// (and nothing else of that folder) are made known before the first font map.
// Its bold face is bold only in the bitmaps it carries for 9 to 12 pixels;
// its outlines are as thin as the regular ones, so at every other size they
// are emboldened.
constexpr const char* kTahoma = "/usr/share/wine/fonts/tahoma.ttf";
constexpr const char* kTahomaBold = "/usr/share/wine/fonts/tahomabd.ttf";

void EmboldenTahomaOutlines() {
  std::string rules = "<?xml version=\"1.0\"?><fontconfig>";
  for (const char* size : {"<test name=\"pixelsize\" compare=\"more\"><double>12.5</double></test>",
                           "<test name=\"pixelsize\" compare=\"less\"><double>8.5</double></test>"})
    rules += std::string("<match target=\"font\"><test name=\"file\"><string>") + kTahomaBold + "</string></test>" +
             size + "<edit name=\"embolden\" mode=\"assign\"><bool>true</bool></edit></match>";
  rules += "</fontconfig>";
  FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(rules.c_str()), FcFalse);
}

void AddTahoma() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const char* file : {kTahoma, kTahomaBold})
      if (access(file, R_OK) == 0) FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file));
    if (access(kTahomaBold, R_OK) == 0) EmboldenTahomaOutlines();
  });
}

// One font map and context per thread with fixed font options, so measuring
// and drawing agree whatever surface the text lands on.
struct TPangoThread {
  PangoFontMap* Map = nullptr;
  PangoContext* Context = nullptr;
  PangoLayout* Layout = nullptr;
  std::unordered_map<TFaceKey, int, TFaceKeyHash> FaceIds;
  std::vector<TFace> Faces;
  // What the shared layout holds now, so an unchanged font or an absent
  // decoration costs nothing.
  int LayoutFace = -1;
  bool LayoutHasAttributes = false;
  // Widths of recently measured texts, keyed by face number and text: grids
  // measure the same strings over and over.
  std::unordered_map<std::string, int> Widths;
  // Installed family per lower-case face name, and cell height per em of
  // each family met: both are asked of fontconfig once.
  std::unordered_map<std::string, std::string> Families;
  std::unordered_map<std::string, double> CellPerEm;

  TPangoThread() {
    AddTahoma();
    Map = pango_cairo_font_map_new();
    Context = pango_font_map_create_context(Map);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(Context, opts);
    cairo_font_options_destroy(opts);
    Layout = pango_layout_new(Context);
    pango_layout_set_single_paragraph_mode(Layout, TRUE);
  }
  ~TPangoThread() {
    for (TFace& f : Faces) pango_font_description_free(f.Description);
    g_object_unref(Layout);
    g_object_unref(Context);
    g_object_unref(Map);
  }
};

TPangoThread& Pango() {
  thread_local TPangoThread state;
  return state;
}

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// In fixed mode glyphs come from the monospaced face, sized to sit in a cell.
double FixedEm(const TFontSpec& s) {
  return std::max(1.0, std::min(s.FixedLine * 0.85, s.FixedCell / 0.62));
}

PangoFontDescription* MakeDescription(const TFontSpec& s) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, s.Fixed ? "DejaVu Sans Mono" : s.Family.c_str());
  pango_font_description_set_absolute_size(d, (s.Fixed ? FixedEm(s) : s.EmPixels) * PANGO_SCALE);
  pango_font_description_set_weight(d, s.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, s.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return d;
}

TFace& FaceOf(const TFontSpec& s) { return Pango().Faces[size_t(s.Id)]; }

// Prepares the shared layout for one line of text in the font.
PangoLayout* PrepareLayout(const TFontSpec& s, std::string_view text, bool decorations) {
  TPangoThread& pango = Pango();
  PangoLayout* layout = pango.Layout;
  if (pango.LayoutFace != s.Id) {
    pango_layout_set_font_description(layout, FaceOf(s).Description);
    pango.LayoutFace = s.Id;
  }
  pango_layout_set_text(layout, text.data(), int(text.size()));
  // Strike-out is drawn by DrawLine: Pango's bar lies between pixel rows and
  // vanishes on a canvas drawn without anti-aliasing.
  const bool underline = decorations && s.Underline;
  if (underline) {
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    pango.LayoutHasAttributes = true;
  } else if (pango.LayoutHasAttributes) {
    pango_layout_set_attributes(layout, nullptr);
    pango.LayoutHasAttributes = false;
  }
  return layout;
}

// The face's number, made (with its Pango description) when first met.
int FaceId(const TFontSpec& s) {
  TPangoThread& pango = Pango();
  TFaceKey key{s.Family, s.EmPixels, s.Bold, s.Italic, s.Fixed, s.FixedLine, s.FixedCell};
  auto it = pango.FaceIds.find(key);
  if (it != pango.FaceIds.end()) return it->second;
  const int id = int(pango.Faces.size());
  pango.Faces.push_back({MakeDescription(s), false, {}});
  pango.FaceIds.emplace(std::move(key), id);
  return id;
}

// Gives every character of the shaped line its fixed cell, glyphs centred.
void ForceFixedAdvances(PangoLayoutLine* line, const char* text, int cell) {
  for (GSList* l = line->runs; l; l = l->next) {
    auto* run = static_cast<PangoGlyphItem*>(l->data);
    PangoGlyphString* gs = run->glyphs;
    const PangoItem* item = run->item;
    std::vector<int> starts(gs->log_clusters, gs->log_clusters + gs->num_glyphs);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (int i = 0; i < gs->num_glyphs; ++i) {
      const int c = gs->log_clusters[i];
      PangoGlyphGeometry& g = gs->glyphs[i].geometry;
      if (i > 0 && gs->log_clusters[i - 1] == c) {
        g.width = 0;
        continue;
      }
      auto next = std::upper_bound(starts.begin(), starts.end(), c);
      const int end = next == starts.end() ? item->length : *next;
      const int n = CodePointCount(std::string_view(text + item->offset + c, size_t(end - c)));
      const int w = n * cell * PANGO_SCALE;
      g.x_offset += (w - g.width) / 2;
      g.width = w;
    }
  }
}

// The family fontconfig has installed under the face name, spelt as
// fontconfig spells it; empty when there is none of that name.
std::string InstalledFamily(const std::string& name) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  std::string family;
  FcChar8* value = nullptr;
  if (fonts && fonts->nfont > 0 && FcPatternGetString(fonts->fonts[0], FC_FAMILY, 0, &value) == FcResultMatch)
    family = reinterpret_cast<const char*>(value);
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return family;
}

// Ascent plus descent of the family per pixel of em (DejaVu Sans about
// 1.164, Tahoma about 1.207), measured at a large size.
double CellPerEm(const std::string& family) {
  auto& cache = Pango().CellPerEm;
  if (auto it = cache.find(family); it != cache.end()) return it->second;
  constexpr double kEm = 1000;
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, family.c_str());
  pango_font_description_set_absolute_size(d, kEm * PANGO_SCALE);
  PangoFontMetrics* fm = pango_context_get_metrics(Pango().Context, d, nullptr);
  const double cell = double(pango_font_metrics_get_ascent(fm) + pango_font_metrics_get_descent(fm)) / PANGO_SCALE;
  pango_font_metrics_unref(fm);
  pango_font_description_free(d);
  const double ratio = cell > 0 ? cell / kEm : 1.164;
  cache.emplace(family, ratio);
  return ratio;
}

}  // namespace

std::string MapFontFamily(const std::string& name, TFontPitch pitch) {
  static const char* const kMono[] = {"courier new", "courier", "lucida console", "consolas", "fixedsys",
                                      "terminal", "dejavu sans mono", "monospace", "fixed"};
  static const char* const kSerif[] = {"times new roman", "times", "georgia", "garamond", "dejavu serif",
                                       "serif", "book antiqua", "palatino linotype"};
  const std::string n = Lower(name);
  for (const char* m : kMono)
    if (n == m) return "DejaVu Sans Mono";
  if (pitch == fpFixed) return "DejaVu Sans Mono";
  for (const char* s : kSerif)
    if (n == s) return "DejaVu Serif";
  // Faces of the desktop that are not installed: Tahoma is Verdana's
  // narrower sibling and the face the others stand in for, so texts keep
  // their shapes and still fit; DejaVu Sans where there is no Tahoma either.
  static const char* const kTahomaLike[] = {"verdana", "segoe ui", "ms sans serif", "ms shell dlg", "ms shell dlg 2"};
  auto& families = Pango().Families;  // the thread's state also makes Tahoma known
  auto it = families.find(n);
  if (it == families.end()) {
    std::string installed = InstalledFamily(name);
    for (const char* t : kTahomaLike)
      if (installed.empty() && n == t) installed = InstalledFamily("Tahoma");
    it = families.emplace(n, installed.empty() ? "DejaVu Sans" : installed).first;
  }
  return it->second;
}

std::string ResolvedFontFamily(const TFontSpec& s) {
  PangoFont* font = pango_font_map_load_font(Pango().Map, Pango().Context, FaceOf(s).Description);
  if (font == nullptr) return "";
  PangoFontDescription* d = pango_font_describe(font);
  std::string family = pango_font_description_get_family(d) ? pango_font_description_get_family(d) : "";
  pango_font_description_free(d);
  g_object_unref(font);
  return family;
}

TFontSpec MakeFontSpec(const TFont& font, double scale) {
  TFontSpec s;
  s.Family = MapFontFamily(font.Name(), font.Pitch());
  const int h = font.Height();
  // A positive height is the whole cell; the em is the part without the
  // internal leading, which each face has its own share of.
  const double em = h < 0 ? -h : h > 0 ? h / CellPerEm(s.Family) : 11;
  s.EmPixels = std::max(1.0, std::round(em * scale));
  const TFontStyles st = font.Style();
  s.Bold = st.Contains(fsBold);
  s.Italic = st.Contains(fsItalic);
  s.Underline = st.Contains(fsUnderline);
  s.StrikeOut = st.Contains(fsStrikeOut);
  s.Fixed = FixedTextMetrics();
  s.FixedLine = std::max(1, int(std::lround(FixedLineHeight(h) * scale)));
  s.FixedCell = std::max(1, int(std::lround(FixedCharWidth(h) * scale)));
  s.Rotation = font.Orientation() / 10.0;
  s.Id = FaceId(s);
  return s;
}

TTextMetric FontMetrics(const TFontSpec& s) {
  TTextMetric tm;
  tm.tmWeight = s.Bold ? 700 : 400;
  tm.tmItalic = s.Italic;
  tm.tmUnderlined = s.Underline;
  tm.tmStruckOut = s.StrikeOut;
  if (s.Fixed) {
    tm.tmHeight = s.FixedLine;
    tm.tmDescent = s.FixedLine / 5;
    tm.tmAscent = s.FixedLine - tm.tmDescent;
    tm.tmAveCharWidth = tm.tmMaxCharWidth = s.FixedCell;
    return tm;
  }
  TFace& face = FaceOf(s);
  if (face.HasMetrics) return face.Metrics;
  PangoFontMetrics* fm = pango_context_get_metrics(Pango().Context, face.Description, nullptr);
  tm.tmAscent = int(std::ceil(double(pango_font_metrics_get_ascent(fm)) / PANGO_SCALE));
  tm.tmDescent = int(std::ceil(double(pango_font_metrics_get_descent(fm)) / PANGO_SCALE));
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - int(std::lround(s.EmPixels)));
  tm.tmAveCharWidth = std::max(1, int(std::lround(double(pango_font_metrics_get_approximate_char_width(fm)) / PANGO_SCALE)));
  const double strikeRise = double(pango_font_metrics_get_strikethrough_position(fm)) / PANGO_SCALE;
  const double strikeThickness = double(pango_font_metrics_get_strikethrough_thickness(fm)) / PANGO_SCALE;
  pango_font_metrics_unref(fm);
  tm.tmMaxCharWidth = std::max(tm.tmAveCharWidth, MeasureLine(s, "W"));
  TFace& stored = FaceOf(s);  // MeasureLine may have grown the table
  stored.Metrics = tm;
  stored.HasMetrics = true;
  stored.StrikeHeight = std::max(1, int(std::lround(strikeThickness)));
  stored.StrikeTop = tm.tmAscent - int(std::lround(strikeRise));
  return tm;
}

int MeasureLine(const TFontSpec& s, std::string_view text) {
  if (text.empty()) return 0;
  if (s.Fixed) return CodePointCount(text) * s.FixedCell;
  constexpr size_t kMaxCachedWidths = 8192;
  auto& cache = Pango().Widths;
  std::string key(reinterpret_cast<const char*>(&s.Id), sizeof(s.Id));
  key += text;
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  PangoLayout* layout = PrepareLayout(s, text, false);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  if (cache.size() >= kMaxCachedWidths) cache.clear();
  cache.emplace(std::move(key), logical.width);
  return logical.width;
}

// A bar of whole pixels across the line, about half way up the small letters.
void DrawStrikeOut(cairo_t* cr, const TFontSpec& s, const TTextMetric& tm, PangoLayoutLine* line) {
  PangoRectangle logical;
  pango_layout_line_get_pixel_extents(line, nullptr, &logical);
  int top = tm.tmAscent - std::max(1, tm.tmAscent / 3), height = 1;
  if (!s.Fixed) {
    top = FaceOf(s).StrikeTop;
    height = FaceOf(s).StrikeHeight;
  }
  cairo_rectangle(cr, logical.x, top, logical.width, height);
  cairo_fill(cr);
}

void DrawLine(cairo_t* cr, const TFontSpec& s, std::string_view text, double x, double y, uint32_t rgb, bool rtl) {
  if (text.empty()) return;
  const TTextMetric tm = FontMetrics(s);
  PangoContext* ctx = Pango().Context;
  if (rtl) pango_context_set_base_dir(ctx, PANGO_DIRECTION_RTL);
  PangoLayout* layout = PrepareLayout(s, text, true);
  if (rtl) {
    // Right-to-left reading order is asked for, whatever the first letter suggests.
    pango_layout_set_auto_dir(layout, FALSE);
    pango_layout_context_changed(layout);
  }
  PangoLayoutLine* line = pango_layout_get_line(layout, 0);

  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (s.Rotation != 0) cairo_rotate(cr, -s.Rotation * M_PI / 180.0);
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
  if (line) {
    if (s.Fixed) ForceFixedAdvances(line, pango_layout_get_text(layout), s.FixedCell);
    cairo_move_to(cr, 0, tm.tmAscent);
    pango_cairo_show_layout_line(cr, line);
    if (s.StrikeOut) DrawStrikeOut(cr, s, tm, line);
  }
  cairo_restore(cr);
  if (rtl) {
    pango_context_set_base_dir(ctx, PANGO_DIRECTION_LTR);
    pango_layout_set_auto_dir(layout, TRUE);
    pango_layout_context_changed(layout);
  }
}

const TFontSpec& TCanvasText::Spec(const TFont& font, double scale) {
  const bool fixed = FixedTextMetrics();
  if (!valid_ || fixed != fixed_ || scale != scale_ || font.Height() != height_ || font.Style() != style_ ||
      font.Pitch() != pitch_ || font.Orientation() != orientation_ || font.Name() != name_) {
    name_ = font.Name();
    height_ = font.Height();
    style_ = font.Style();
    pitch_ = font.Pitch();
    orientation_ = font.Orientation();
    scale_ = scale;
    fixed_ = fixed;
    spec_ = MakeFontSpec(font, scale);
    metric_ = FontMetrics(spec_);
    valid_ = true;
  }
  return spec_;
}
