// The analog watch: look and settings, styles, geometry through a recording
// canvas, and time, clicks, keys and animation on the virtual clock.

#include "controls/ExtWatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// Records what the watch draws; text is 8 pixels a character and 10 high.
class TRecordingWatchCanvas : public TWatchCanvas {
public:
  struct Op {
    std::string Kind;
    std::vector<TPoint> Points;
    TRect R{};
    TColor Pen = clNone;
    int Width = 0;
    TColor Brush = clNone;
    std::string Text;
  };
  void SetPen(TColor Color, int Width) override { pen_ = Color, width_ = Width; }
  void SetBrush(TColor Color) override { brush_ = Color; }
  void SetFont(const TFont*) override {}
  void Line(TPoint From, TPoint To) override { add("line").Points = {From, To}; }
  void Polygon(const std::vector<TPoint>& Points) override { add("polygon").Points = Points; }
  void Ellipse(const TRect& R) override { add("ellipse").R = R; }
  void Rectangle(const TRect& R) override { add("rectangle").R = R; }
  void RoundRect(const TRect& R, int) override { add("roundrect").R = R; }
  void Text(int X, int Y, const std::string& S) override {
    Op& op = add("text");
    op.Points = {{X, Y}};
    op.Text = S;
  }
  void CentredText(const TRect& R, const std::string& S) override {
    Op& op = add("centred");
    op.R = R;
    op.Text = S;
  }
  TSize TextExtent(const std::string& S) override { return {int(S.size()) * 8, 10}; }

  int Count(const std::string& Kind) const {
    int n = 0;
    for (const Op& o : Ops) n += o.Kind == Kind;
    return n;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Op& o : Ops)
      if (o.Kind == "text") t.push_back(o.Text);
    return t;
  }
  std::vector<Op> Ops;

private:
  Op& add(const char* Kind) {
    Ops.push_back({Kind, {}, {}, pen_, width_, brush_, {}});
    return Ops.back();
  }
  TColor pen_ = clNone, brush_ = clNone;
  int width_ = 0;
};

TDateTime at(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }

int hourOf(TDateTime T) { return HourOf(T); }
int minuteOf(TDateTime T) { return MinuteOf(T); }

class Watch : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(0, 0, 260, 240);
    watch = new TExtWatch(form);
    watch->SetParent(form);
    watch->SetLeft(10);
    watch->SetTop(10);
    watch->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    Driver.Pump();
  }
  void TearDown() override { SetNowSource(nullptr); }
  // Runs the animation timer until the hands rest, noting every minute shown.
  std::vector<int> runAnimation() {
    std::vector<int> minutes{minuteOf(watch->Time())};
    for (int i = 0; i < 300; ++i) {
      Driver.Advance(1);
      const int m = minuteOf(watch->Time());
      if (minutes.empty() || minutes.back() != m) minutes.push_back(m);
    }
    return minutes;
  }
  TForm* form = nullptr;
  TExtWatch* watch = nullptr;
  int changes = 0;
};

// ---- look and settings

TEST_F(Watch, ANewAppearanceIsAWhiteRoundFaceWithBlackHands) {
  TWatchAppearance a;
  EXPECT_EQ(a.BackgroundColor(), TColor(0xFFFFFF));
  EXPECT_EQ(a.BackgroundColorTo(), clNone);
  EXPECT_EQ(a.Shape(), wsCircle);
  EXPECT_EQ(a.BorderColor(), TColor(0));
  EXPECT_EQ(a.BorderWidth(), 4);
  EXPECT_EQ(a.Size(), 0);
  EXPECT_EQ(a.TickMarks(), tmAll);
  EXPECT_EQ(a.HourPointer(), TColor(0));
  EXPECT_EQ(a.MinutePointer(), TColor(0));
  EXPECT_EQ(a.HourPointerShadow(), clBtnShadow);
  EXPECT_EQ(a.MinutePointerShadow(), clBtnShadow);
  EXPECT_EQ(a.SecondPointer(), TColor(0x0000FF));
  EXPECT_EQ(a.AMPMFont()->Name(), "Tahoma");
  EXPECT_EQ(a.AMPMFont()->Size(), 10);
  EXPECT_EQ(a.HourFont()->Size(), 8);
}

TEST_F(Watch, WritersNotifyOnlyOnChangeAndAssignOnlyThroughItsThreeWriters) {
  TWatchAppearance a, b;
  int notes = 0;
  a.OnChange = [&](TObject*) { ++notes; };
  a.SetBorderWidth(4);
  EXPECT_EQ(notes, 0);
  a.SetBorderWidth(5);
  EXPECT_EQ(notes, 1);
  a.SetAMPMColor(clRed);  // stored only
  EXPECT_EQ(notes, 1);
  a.SetHourFont(b.HourFont());  // fonts always notify
  EXPECT_EQ(notes, 2);
  notes = 0;
  b.SetBackgroundColor(clRed);
  b.SetTickMarks(tmNone);
  a.Assign(&b);
  EXPECT_EQ(a.BackgroundColor(), clRed);
  EXPECT_EQ(a.TickMarks(), tmNone);
  EXPECT_EQ(a.BorderWidth(), 4);
  EXPECT_EQ(notes, 1);  // TickMarks only
}

TEST_F(Watch, SettingsAssignNotifiesOnlyForAuto) {
  TWatchSettings s, other;
  int notes = 0;
  s.OnChange = [&](TObject*) { ++notes; };
  other.SetSecond(false);
  other.SetTimeOffset(30);
  s.Assign(&other);
  EXPECT_EQ(notes, 0);
  EXPECT_FALSE(s.Second());
  EXPECT_EQ(s.TimeOffset(), 30);
  other.SetAuto(true);
  s.Assign(&other);
  EXPECT_EQ(notes, 1);
}

TEST_F(Watch, StylesResetTheLookAndWriteTheirValues) {
  EXPECT_EQ(watch->Style(), TWatchStyle::wsClassic);
  watch->SetStyle(TWatchStyle::wsClassic);  // already: nothing happens
  EXPECT_EQ(watch->Appearance()->HourMarkLength(), 0);
  watch->SetStyle(TWatchStyle::wsTower);
  EXPECT_EQ(watch->Appearance()->Shape(), wsRect);
  EXPECT_EQ(watch->Appearance()->AMPMColor(), TColor(0xB1F0FE));
  EXPECT_FALSE(watch->ShowNumbers());
  watch->SetStyle(TWatchStyle::wsClassic);
  const TWatchAppearance& a = *watch->Appearance();
  EXPECT_EQ(a.Shape(), wsCircle);
  EXPECT_EQ(a.BackgroundColor(), TColor(0xFFFFFF));
  EXPECT_EQ(a.BackgroundColorTo(), clNone);
  EXPECT_EQ(a.HourMarkLength(), 8);
  EXPECT_EQ(a.MinuteMarkLength(), 4);
  EXPECT_EQ(a.HourPointerSize(), 5);
  EXPECT_EQ(a.PointerStyle(), psLine);
  EXPECT_EQ(a.HourFont()->Name(), "Comic Sans MS");
  EXPECT_TRUE(a.HourFont()->Style().Contains(fsBold));
  EXPECT_TRUE(watch->ShowAMPM());
  EXPECT_TRUE(watch->ShowNumbers());
}

TEST_F(Watch, StyleLengthsFollowTheWatchSize) {
  watch->SetBounds(10, 10, 180, 180);
  watch->SetStyle(TWatchStyle::wsSuperNova);
  EXPECT_EQ(watch->Appearance()->HourMarkLength(), 40);
  EXPECT_EQ(watch->Appearance()->MinuteMarkLength(), 60);
  EXPECT_FALSE(watch->ShowAMPM());
  watch->SetStyle(TWatchStyle::wsSports);
  EXPECT_EQ(watch->Appearance()->CenterPointSize(), 50);
  // A huge watch keeps the lengths at the largest byte instead of wrapping them.
  watch->SetBounds(0, 0, 1200, 1200);
  watch->SetStyle(TWatchStyle::wsSuperNova);
  EXPECT_EQ(watch->Appearance()->HourMarkLength(), 255);
  EXPECT_EQ(watch->Appearance()->MinuteMarkLength(), 255);
  watch->SetStyle(TWatchStyle::wsSports);
  EXPECT_EQ(watch->Appearance()->CenterPointSize(), 255);
}

TEST_F(Watch, ComponentStylesColourFaceMarksAndHands) {
  struct Case {
    TQGSStyle style;
    TColor background, backgroundTo, border, main, second, shadows;
  };
  const Case cases[] = {
      {tsOffice2003Blue, TColor(0xFFD2AF), TColor(0xFFD2AF), TColor(0xD68759), TColor(0xD68759), TColor(0xFFFFFF),
       TColor(0xFFFFFF)},
      {tsOffice2007Luna, TColor(0xFFEFE3), TColor(0xFFEFE3), TColor(0xF0DED0), TColor(0x723708), TColor(0x723708),
       TColor(0xFFFFFF)},
      {tsWindowsVista, TColor(0xFFFDF9), TColor(0xFFFAF0), TColor(0xFEDF9A), TColor(0xFEDF9A), TColor(0xFEDF9A),
       TColor(0xFFFFFF)},
      {tsOffice2010Silver, TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0xD2CDC8), TColor(0xD2CDC8),
       TColor(0xD2CDC8), TColor(0xC0C0C0)},
  };
  for (const Case& c : cases) {
    TWatchAppearance a;
    ApplyWatchComponentStyle(a, c.style);
    EXPECT_EQ(a.BackgroundColor(), c.background) << int(c.style);
    EXPECT_EQ(a.BackgroundColorTo(), c.backgroundTo);
    EXPECT_EQ(a.BorderColor(), c.border);
    EXPECT_EQ(a.HourColor(), c.main);
    EXPECT_EQ(a.MinutePointer(), c.main);
    EXPECT_EQ(a.SecondPointer(), c.second);
    EXPECT_EQ(a.HourPointerShadow(), c.shadows);
    EXPECT_EQ(a.CenterPointOuterBorderColor(), TColor(0));
  }
  TWatchAppearance obsidian;
  ApplyWatchComponentStyle(obsidian, tsOffice2007Obsidian);
  EXPECT_EQ(obsidian.HourFont()->Color(), TColor(0xF2F1F0));
  EXPECT_EQ(obsidian.AMPMFont()->Color(), TColor(0xF2F1F0));
}

TEST_F(Watch, TheCustomComponentStyleOnlyBlackensFontsAndTheOuterRing) {
  TWatchAppearance a, fresh;
  a.HourFont()->SetColor(clRed);
  ApplyWatchComponentStyle(a, tsCustom);
  EXPECT_EQ(a.HourFont()->Color(), TColor(0));
  EXPECT_EQ(a.AMPMFont()->Color(), TColor(0));
  EXPECT_EQ(a.CenterPointOuterBorderColor(), TColor(0));
  EXPECT_EQ(a.BackgroundColor(), fresh.BackgroundColor());
  EXPECT_EQ(a.HourPointer(), fresh.HourPointer());
}

// ---- geometry

TEST_F(Watch, FaceGeometry) {
  struct Case {
    int w, h, size;
    TRect face;
    TPoint centre;
    double r, rout;
  };
  const Case cases[] = {
      {180, 180, 0, Rect(10, 10, 170, 170), {90, 90}, 80, 78},
      {180, 120, 300, Rect(30, 0, 150, 120), {90, 60}, 60, 58},
      {200, 150, 0, Rect(35, 10, 165, 140), {100, 75}, 65, 63},
      {180, 180, 101, Rect(39, 39, 140, 140), {89, 89}, 50, 48},
  };
  for (const Case& c : cases) {
    watch->SetBounds(0, 0, c.w, c.h);
    watch->Appearance()->SetSize(c.size);
    const TWatchGeometry g = watch->Geometry();
    EXPECT_EQ(g.Face, c.face) << c.w << "x" << c.h << " size " << c.size;
    EXPECT_EQ(g.Centre, c.centre);
    EXPECT_DOUBLE_EQ(g.R, c.r);
    EXPECT_DOUBLE_EQ(g.Rout, c.rout);
  }
}

TEST_F(Watch, MarksAndNumbersFollowTheTickMarks) {
  struct Case {
    TTickMarks ticks;
    THourMarkStyle style;
    int lines;
    std::vector<std::string> numbers;
  };
  const Case cases[] = {
      {tmAll, hmsLine, 4 + 8 + 48, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
      {tmHours, hmsLine, 4 + 8, {}},
      {tmQuartHours, hmsLine, 4, {"3", "6", "9", "12"}},
      {tmQuartHours, hmsQuartDblLine, 8, {"3", "6", "9", "12"}},
      {tmNone, hmsLine, 0, {}},
  };
  for (const Case& c : cases) {
    watch->Appearance()->SetTickMarks(c.ticks);
    watch->Appearance()->SetHourMarkStyle(c.style);
    TRecordingWatchCanvas rec;
    watch->DrawMarks(rec);
    watch->DrawNumbers(rec);
    EXPECT_EQ(rec.Count("line"), c.lines) << int(c.ticks);
    EXPECT_EQ(rec.Texts(), c.numbers) << int(c.ticks);
  }
}

TEST_F(Watch, MarkRadiiOnADefaultWatch) {
  // 180 x 180: marks end at 78; hour marks start at 70.2, minute marks at 74.1.
  TRecordingWatchCanvas rec;
  watch->DrawMarks(rec);
  const auto& three = rec.Ops[0];  // the 3 o'clock quarter mark
  EXPECT_EQ(three.Points, (std::vector<TPoint>{{160, 90}, {168, 90}}));
  EXPECT_EQ(three.Pen, TColor(0));
  const auto& six = rec.Ops[1];
  EXPECT_EQ(six.Points, (std::vector<TPoint>{{90, 160}, {90, 168}}));
  const auto& minute = rec.Ops[12];  // first minute mark, 6 degrees past 3
  EXPECT_EQ(minute.Points[0], (TPoint{90 + int(std::nearbyint(74.1 * std::cos(6 * std::numbers::pi / 180))),
                                      90 + int(std::nearbyint(74.1 * std::sin(6 * std::numbers::pi / 180)))}));
  EXPECT_EQ(minute.Pen, TColor(0x808080));
}

TEST_F(Watch, NumbersStandOnTheirRing) {
  // L = nearest(7.8) + 2 = 10, ring p = 78 - 12 - 10 + 5 = 61; "3" is 8 x 10.
  TRecordingWatchCanvas rec;
  watch->DrawNumbers(rec);
  const auto& three = rec.Ops[2];
  EXPECT_EQ(three.Text, "3");
  EXPECT_EQ(three.Points[0], (TPoint{90 + 61 - 4, 90 - 5}));
  const auto& twelve = rec.Ops[11];
  EXPECT_EQ(twelve.Points[0], (TPoint{90 - 8, 90 - 61 - 5}));
  watch->SetShowNumbers(false);
  TRecordingWatchCanvas none;
  watch->DrawNumbers(none);
  EXPECT_TRUE(none.Ops.empty());
}

TEST_F(Watch, HandsAtThreeOClock) {
  watch->SetAnimation(false);
  watch->SetTime(at(3, 0));
  TRecordingWatchCanvas rec;
  watch->DrawHands(rec);
  ASSERT_GE(rec.Ops.size(), 4u);
  // Shadows first, one pixel left and three down; the hands from 0.1 R behind the centre.
  EXPECT_EQ(rec.Ops[0].Points, (std::vector<TPoint>{{81, 93}, {126, 93}}));
  EXPECT_EQ(rec.Ops[0].Pen, clBtnShadow);
  EXPECT_EQ(rec.Ops[1].Points, (std::vector<TPoint>{{90, 101}, {90, 41}}));
  EXPECT_EQ(rec.Ops[2].Points, (std::vector<TPoint>{{82, 90}, {130, 90}}));
  EXPECT_EQ(rec.Ops[2].Width, 4);
  EXPECT_EQ(rec.Ops[3].Points, (std::vector<TPoint>{{90, 98}, {90, 34}}));
  // The centre point closes it: a 4-pixel black disc.
  EXPECT_EQ(rec.Ops.back().Kind, "ellipse");
  EXPECT_EQ(rec.Ops.back().R, Rect(88, 88, 92, 92));
  EXPECT_EQ(rec.Count("line"), 4);  // no second hand outside Auto mode
}

TEST_F(Watch, PointerHandsArePolygonsAndTheOtherStylesDrawOnlyTheCentre) {
  watch->SetAnimation(false);
  watch->SetTime(at(3, 0));
  watch->Appearance()->SetPointerStyle(psPointer);
  TRecordingWatchCanvas rec;
  watch->DrawHands(rec);
  EXPECT_EQ(rec.Count("polygon"), 4);
  EXPECT_EQ(rec.Ops[1].Points, (std::vector<TPoint>{{82, 90}, {90, 86}, {130, 90}, {90, 94}}));  // the hour hand
  for (TPointerStyle s : {psShortLine, psLineArrow}) {
    watch->Appearance()->SetPointerStyle(s);
    TRecordingWatchCanvas only;
    watch->DrawHands(only);
    EXPECT_EQ(only.Count("line") + only.Count("polygon"), 0);
    EXPECT_EQ(only.Count("ellipse"), 1);
  }
}

TEST_F(Watch, CentrePointRings) {
  TWatchAppearance& a = *watch->Appearance();
  a.SetCenterPointSize(10);
  a.SetCenterPointOuterBorderColor(clRed);
  a.SetCenterPointBorderColor(clBlue);
  TRecordingWatchCanvas rec;
  watch->DrawHands(rec);
  const size_t n = rec.Ops.size();
  ASSERT_GE(n, 3u);
  EXPECT_EQ(rec.Ops[n - 3].R, Rect(85, 85, 95, 95));
  EXPECT_EQ(rec.Ops[n - 2].R, Rect(85, 85, 95, 95));
  EXPECT_EQ(rec.Ops[n - 2].Width, 2);
  EXPECT_EQ(rec.Ops[n - 1].R, Rect(86, 86, 94, 94));
  EXPECT_EQ(rec.Ops[n - 1].Pen, clBlue);
}

TEST_F(Watch, AMPMBox) {
  TRecordingWatchCanvas rec;
  // "AM" is 16 x 10: box 24 wide, top 90 + nearest(70 / 3).
  EXPECT_EQ(watch->AMPMRect(rec), Rect(78, 113, 102, 123));
  watch->DrawAMPM(rec);
  EXPECT_EQ(rec.Count("rectangle"), 1);
  EXPECT_EQ(rec.Ops.back().Text, "AM");
  watch->SetShowAMPM(false);
  EXPECT_EQ(watch->AMPMRect(rec), Rect(-1, -1, -1, -1));
}

// ---- time, clicks, keys, animation

TEST_F(Watch, KeysWithoutAnimation) {
  watch->SetAnimation(false);
  struct Case {
    TDateTime from;
    uint16_t key;
    TDateTime to;
  };
  const Case cases[] = {
      {at(23, 10), VK_PRIOR, at(0, 10)}, {at(10, 10), VK_PRIOR, at(11, 10)}, {at(0, 10), VK_NEXT, at(23, 10)},
      {at(5, 10), VK_NEXT, at(4, 10)},   {at(5, 10), VK_HOME, at(12, 10)},   {at(10, 45), VK_END, at(11, 0)},
      {at(10, 15), VK_END, at(10, 0)},   {at(10, 59), VK_RIGHT, at(11, 0)},  {at(10, 5), VK_RIGHT, at(10, 6)},
      {at(0, 0), VK_LEFT, at(23, 59)},   {at(10, 5), VK_LEFT, at(10, 4)},    {at(15, 5), 'A', at(3, 5)},
      {at(3, 5), 'A', at(3, 5)},         {at(3, 5), 'P', at(15, 5)},         {at(3, 5), VK_UP, at(3, 5)},
      {at(3, 5), VK_DOWN, at(3, 5)},
  };
  for (const Case& c : cases) {
    watch->SetTime(c.from);
    watch->WatchKeyDown(c.key);
    EXPECT_DOUBLE_EQ(watch->Time(), c.to) << "key " << c.key << " at " << hourOf(c.from) << ":" << minuteOf(c.from);
  }
}

TEST_F(Watch, MinutesOfSixtyAreRefused) {
  watch->SetTime(at(10, 10));
  try {
    watch->SetMinute(60);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid time");
  }
  EXPECT_DOUBLE_EQ(watch->Time(), at(10, 10));
}

TEST_F(Watch, AClickAboveTwelveWindsTheMinutesForwardIntoTheNextHour) {
  watch->SetTime(at(10, 45));
  Driver.Click(watch, 90, 5);  // outside the face, above 12
  const std::vector<int> minutes = runAnimation();
  ASSERT_GE(minutes.size(), 3u);
  EXPECT_EQ(minutes[1], 47);
  EXPECT_EQ(minutes.back(), 0);
  for (size_t i = 2; i + 1 < minutes.size(); ++i) EXPECT_GT(minutes[i], minutes[i - 1]);
  EXPECT_DOUBLE_EQ(watch->Time(), at(11, 0));
  EXPECT_EQ(changes, 1);
}

TEST_F(Watch, AClickAboveTwelveWindsBackFromTheFirstHalf) {
  watch->SetTime(at(10, 15));
  Driver.Click(watch, 90, 5);
  runAnimation();
  EXPECT_DOUBLE_EQ(watch->Time(), at(10, 0));
  EXPECT_EQ(changes, 1);
}

TEST_F(Watch, TheAnimationEasesTowardsItsTarget) {
  watch->SetTime(at(10, 0));
  watch->SetMinute(30);
  EXPECT_EQ(runAnimation(), (std::vector<int>{0, 3, 6, 8, 10, 12, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                              28, 29, 30}));
  EXPECT_EQ(changes, 1);
}

TEST_F(Watch, ClicksOnTheDialSetTheHour) {
  watch->SetAnimation(false);
  struct Case {
    TDateTime from;
    TPoint at;
    int hour;
  };
  const Case cases[] = {
      {at(9, 30), {150, 90}, 3}, {at(21, 30), {150, 90}, 15}, {at(9, 30), {90, 30}, 0}, {at(21, 30), {90, 30}, 12},
      {at(9, 30), {30, 90}, 9},
  };
  for (const Case& c : cases) {
    watch->SetTime(c.from);
    Driver.Click(watch, c.at.X, c.at.Y);
    EXPECT_EQ(hourOf(watch->Time()), c.hour) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(minuteOf(watch->Time()), 30);
  }
}

TEST_F(Watch, AClickOnTheAMPMBoxRollsItAndMovesTwelveHours) {
  watch->SetTime(at(9, 30));
  Driver.Pump();
  EXPECT_TRUE(watch->AM());
  const TRect box = watch->AMPMRect();
  Driver.Click(watch, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
  EXPECT_DOUBLE_EQ(watch->Time(), at(21, 30));
  EXPECT_FALSE(watch->AM());
  EXPECT_EQ(changes, 1);
}

TEST_F(Watch, AutoModeFollowsTheClockAndIgnoresInput) {
  TDateTime now = EncodeDate(2026, 12, 11) + at(13, 20, 5);
  SetNowSource([&] { return now; });
  watch->Settings()->SetTimeOffset(10);
  watch->Settings()->SetAuto(true);
  EXPECT_DOUBLE_EQ(watch->CurrentTime(), now + 10 / 1440.0);
  Driver.Pump();
  EXPECT_FALSE(watch->AM());
  const TDateTime before = watch->Time();
  watch->WatchKeyDown(VK_PRIOR);
  Driver.Click(watch, 150, 90);
  EXPECT_DOUBLE_EQ(watch->Time(), before);
  TRecordingWatchCanvas rec;
  watch->DrawHands(rec);
  EXPECT_EQ(rec.Count("line"), 5);  // with the second hand
  watch->Settings()->SetSecond(false);
  TRecordingWatchCanvas noSecond;
  watch->DrawHands(noSecond);
  EXPECT_EQ(noSecond.Count("line"), 4);
  now = EncodeDate(2026, 12, 11) + at(9, 0);  // the clock passes into the morning while painting
  watch->Invalidate();
  Driver.Advance(100);
  Driver.Pump();
  EXPECT_TRUE(watch->AM());
}

TEST_F(Watch, Screenshot) {
  watch->SetAnimation(false);
  watch->SetTime(at(10, 9, 0));
  const TPixelImage ten_past = Shot(Driver, form, "watch.png");
  watch->SetTime(at(3, 45, 0));
  EXPECT_TRUE(Shot(Driver, form, "watch-3-45.png").Pixels != ten_past.Pixels) << "the hands show the time";
}

}  // namespace
