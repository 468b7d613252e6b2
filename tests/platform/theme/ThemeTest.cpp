#include <gtest/gtest.h>

#include <cairo.h>

#include <set>
#include <vector>

#include "platform/theme/Theme.h"

namespace {

// Renders one call on a fresh white surface and returns its pixels.
class ThemeTest : public ::testing::Test {
protected:
  void SetUp() override { SetThemeActive(true); }
  void TearDown() override { SetThemeActive(true); }

  struct TCanvasPixels {
    HRESULT Result;
    std::vector<uint32_t> Pixels;
  };

  template <class Paint>
  static TCanvasPixels Render(Paint paint, int w = 24, int h = 24) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const HRESULT hr = paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    std::vector<uint32_t> px;
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) px.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF);
    cairo_surface_destroy(s);
    return {hr, px};
  }

  static TCanvasPixels Background(HTHEME t, int part, int state, TThemeRect r = {2, 2, 20, 20},
                                  const TThemeRect* clip = nullptr) {
    return Render([&](cairo_t* cr) { return DrawThemeBackground(t, cr, part, state, &r, clip); });
  }

  static const std::vector<uint32_t>& Blank() {
    static const std::vector<uint32_t> blank = Render([](cairo_t*) { return S_OK; }).Pixels;
    return blank;
  }
};

}  // namespace

TEST_F(ThemeTest, OpensKnownClassesOnly) {
  for (const char* name : {"button", "BUTTON", "ComboBox", "spin", "header", "progress", "scrollbar", "edit", "tab"}) {
    const HTHEME t = OpenThemeData(nullptr, name);
    EXPECT_NE(t, 0u) << name;
    EXPECT_EQ(CloseThemeData(t), S_OK);
  }
  EXPECT_EQ(OpenThemeData(nullptr, "listview"), 0u);
  EXPECT_EQ(OpenThemeData(nullptr, ""), 0u);
}

TEST_F(ThemeTest, ClassListTakesTheFirstKnownName) {
  const HTHEME t = OpenThemeData(nullptr, "Explorer::TreeView; Edit ;Button");
  EXPECT_EQ(ThemeClassOf(t), TThemeClass::Edit);
  CloseThemeData(t);
}

TEST_F(ThemeTest, HandlesAreClosedOnce) {
  const int before = OpenThemeCount();
  const HTHEME t = OpenThemeData(nullptr, "button");
  EXPECT_EQ(OpenThemeCount(), before + 1);
  EXPECT_EQ(CloseThemeData(t), S_OK);
  EXPECT_EQ(CloseThemeData(t), E_HANDLE);
  EXPECT_EQ(OpenThemeCount(), before);
  EXPECT_EQ(Background(t, BP_PUSHBUTTON, PBS_NORMAL).Result, E_HANDLE);
}

TEST_F(ThemeTest, ThemesCanBeSwitchedOff) {
  EXPECT_TRUE(IsThemeActive());
  EXPECT_TRUE(IsAppThemed());
  std::string file, color, size;
  EXPECT_EQ(GetCurrentThemeName(&file, &color, &size), S_OK);
  EXPECT_FALSE(file.empty());
  SetThemeActive(false);
  EXPECT_FALSE(IsThemeActive());
  EXPECT_FALSE(IsAppThemed());
  EXPECT_EQ(OpenThemeData(nullptr, "button"), 0u);
  EXPECT_EQ(GetCurrentThemeName(&file, &color, &size), E_FAIL);
}

TEST_F(ThemeTest, PartSizes) {
  const HTHEME button = OpenThemeData(nullptr, "button");
  const HTHEME combo = OpenThemeData(nullptr, "combobox");
  TThemeSize s;
  EXPECT_EQ(GetThemePartSize(button, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, TS_TRUE, &s), S_OK);
  EXPECT_EQ(s.cx, 13);
  EXPECT_EQ(s.cy, 13);
  EXPECT_EQ(GetThemePartSize(button, BP_RADIOBUTTON, RBS_CHECKEDNORMAL, nullptr, TS_DRAW, &s), S_OK);
  EXPECT_EQ(s.cx, 13);
  const TThemeRect r{0, 0, 80, 30};
  EXPECT_EQ(GetThemePartSize(button, BP_PUSHBUTTON, PBS_NORMAL, &r, TS_DRAW, &s), S_OK);
  EXPECT_EQ(s.cx, 80);
  EXPECT_EQ(s.cy, 30);
  EXPECT_EQ(GetThemePartSize(combo, CP_DROPDOWNBUTTON, CBXS_NORMAL, &r, TS_TRUE, &s), S_OK);
  EXPECT_EQ(s.cx, 17);
  EXPECT_EQ(GetThemePartSize(0, BP_CHECKBOX, 1, nullptr, TS_TRUE, &s), E_HANDLE);
  TThemeRect content;
  EXPECT_EQ(GetThemeBackgroundContentRect(button, BP_PUSHBUTTON, PBS_NORMAL, &r, &content), S_OK);
  EXPECT_EQ(content.Left, 3);
  EXPECT_EQ(content.Bottom, 27);
  CloseThemeData(button);
  CloseThemeData(combo);
}

TEST_F(ThemeTest, EveryStateOfAPartLooksDifferent) {
  struct Case { const char* cls; int part, firstState, lastState; };
  const Case cases[] = {
      {"button", BP_PUSHBUTTON, 1, 5},       {"button", BP_RADIOBUTTON, 1, 8},
      {"button", BP_CHECKBOX, 1, 12},        {"combobox", CP_DROPDOWNBUTTON, 1, 4},
      {"spin", SPNP_UP, 1, 4},               {"spin", SPNP_DOWN, 1, 4},
      {"header", HP_HEADERITEM, 1, 3},       {"scrollbar", SBP_ARROWBTN, 1, 16},
      {"scrollbar", SBP_THUMBBTNVERT, 1, 4}, {"edit", EP_EDITTEXT, 1, 6},
      {"tab", TABP_TABITEM, 1, 5},           {"progress", PP_FILL, 1, 3},
      {"header", HP_HEADERSORTARROW, 1, 2},
  };
  for (const Case& c : cases) {
    const HTHEME t = OpenThemeData(nullptr, c.cls);
    std::set<std::vector<uint32_t>> seen;
    for (int state = c.firstState; state <= c.lastState; ++state) {
      const auto out = Background(t, c.part, state);
      EXPECT_EQ(out.Result, S_OK) << c.cls << " " << c.part << " " << state;
      EXPECT_NE(out.Pixels, Blank()) << c.cls << " " << c.part << " " << state;
      EXPECT_TRUE(seen.insert(out.Pixels).second) << c.cls << " part " << c.part << " state " << state;
    }
    CloseThemeData(t);
  }
}

TEST_F(ThemeTest, UnknownPartsAndStatesDrawNothing) {
  const HTHEME t = OpenThemeData(nullptr, "button");
  for (auto [part, state] : {std::pair{99, 1}, {BP_CHECKBOX, 0}, {BP_CHECKBOX, 13}, {BP_PUSHBUTTON, 6}}) {
    const auto out = Background(t, part, state);
    EXPECT_EQ(out.Result, E_INVALIDARG);
    EXPECT_EQ(out.Pixels, Blank());
  }
  CloseThemeData(t);
}

TEST_F(ThemeTest, DrawingStaysInsideRectAndClip) {
  const HTHEME t = OpenThemeData(nullptr, "button");
  const TThemeRect clip{0, 0, 10, 24};
  const auto out = Background(t, BP_PUSHBUTTON, PBS_PRESSED, {2, 2, 20, 20}, &clip);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 2 && y < 20;
      EXPECT_EQ(out.Pixels[size_t(y * 24 + x)] != 0xFFFFFF, inside) << x << "," << y;
    }
  CloseThemeData(t);
}

TEST_F(ThemeTest, TextIsGreyWhenDisabled) {
  const HTHEME t = OpenThemeData(nullptr, "button");
  auto darkest = [&](int state) {
    const TThemeRect r{0, 0, 60, 20};
    const auto out = Render([&](cairo_t* cr) {
      return DrawThemeText(t, cr, BP_PUSHBUTTON, state, "W&ide", 0x25, &r);
    }, 60, 20);
    EXPECT_EQ(out.Result, S_OK);
    int best = 255;
    for (uint32_t p : out.Pixels) best = std::min(best, int(p & 0xFF));
    return best;
  };
  const int normal = darkest(PBS_NORMAL), disabled = darkest(PBS_DISABLED);
  EXPECT_LT(normal, 100);
  EXPECT_GT(disabled, normal + 50);
  EXPECT_LT(disabled, 255);
  CloseThemeData(t);
}
