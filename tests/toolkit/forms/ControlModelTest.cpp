// The control model: parents and coordinates, alignment and anchors, look
// notifications, mouse enter/leave, cursors, hints, borders and scroll bars.

#include <cairo.h>

#include "DemoFormFixture.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/FlatScrollBars.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class ControlModelTest : public DemoFormFixture {
protected:
  TCustomControl* Panel(int l, int t, int w, int h, TWinControl* parent = nullptr) {
    auto* p = new TCustomControl(Form);
    p->SetBounds(l, t, w, h);
    p->SetParent(parent ? parent : Form);
    return p;
  }
};

TEST_F(ControlModelTest, CoordinatesConvertThroughTheParents) {
  TCustomControl* outer = Panel(20, 30, 200, 100);
  TCustomControl* inner = Panel(5, 6, 50, 50, outer);
  TPoint screen = inner->ClientToScreen({1, 2});
  TPoint formClient = Form->ClientOrigin();
  EXPECT_EQ(screen.X, formClient.X + 20 + 5 + 1);
  EXPECT_EQ(screen.Y, formClient.Y + 30 + 6 + 2);
  EXPECT_EQ(inner->ScreenToClient(screen), (TPoint{1, 2}));
  EXPECT_EQ(inner->ClientToParent({1, 2}, Form), (TPoint{26, 38}));
  EXPECT_EQ(WindowFromPoint(screen), inner->Handle());
}

TEST_F(ControlModelTest, AlignStacksTopBottomLeftRightThenClient) {
  TCustomControl* host = Panel(0, 100, 300, 200);
  TCustomControl* top = Panel(0, 0, 10, 20, host);
  TCustomControl* bottom = Panel(0, 0, 10, 30, host);
  TCustomControl* left = Panel(0, 0, 40, 10, host);
  TCustomControl* right = Panel(0, 0, 50, 10, host);
  TCustomControl* client = Panel(0, 0, 10, 10, host);
  client->SetAlign(alClient);
  right->SetAlign(alRight);
  left->SetAlign(alLeft);
  bottom->SetAlign(alBottom);
  top->SetAlign(alTop);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 20));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 170, 300, 200));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 40, 170));
  EXPECT_EQ(right->BoundsRect(), Rect(250, 20, 300, 170));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 250, 170));
  host->SetBounds(0, 100, 400, 300);
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 350, 270));
  top->SetVisible(false);
  EXPECT_EQ(client->BoundsRect(), Rect(40, 0, 350, 270));
}

TEST_F(ControlModelTest, AnchorsKeepDistancesWhenTheParentResizes) {
  TCustomControl* host = Panel(0, 100, 300, 200);
  TCustomControl* stretch = Panel(10, 10, 100, 20, host);
  TCustomControl* corner = Panel(250, 170, 40, 20, host);
  stretch->SetAnchors({akLeft, akTop, akRight});
  corner->SetAnchors({akRight, akBottom});
  host->SetBounds(0, 100, 350, 260);
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 10, 160, 30));
  EXPECT_EQ(corner->BoundsRect(), Rect(300, 230, 340, 250));
}

TEST_F(ControlModelTest, ConstraintsLimitTheSize) {
  TCustomControl* p = Panel(0, 100, 100, 100);
  p->Constraints()->SetMaxWidth(80);
  p->Constraints()->SetMinHeight(50);
  EXPECT_EQ(p->Width(), 80);
  p->SetBounds(0, 100, 10, 10);
  EXPECT_EQ(p->Width(), 10);
  EXPECT_EQ(p->Height(), 50);
}

TEST_F(ControlModelTest, ParentFontAndColourFlowDownUntilAChildSetsItsOwn) {
  TCustomControl* host = Panel(0, 100, 100, 100);
  TCustomControl* child = Panel(0, 0, 10, 10, host);
  child->SetParentColor(true);
  host->SetColor(clRed);
  EXPECT_EQ(child->Color(), clRed);
  host->Font()->SetName("DejaVu Serif");
  EXPECT_EQ(child->Font()->Name(), "DejaVu Serif");
  child->Font()->SetName("DejaVu Sans Mono");
  EXPECT_FALSE(child->ParentFont());
  host->Font()->SetName("DejaVu Sans");
  EXPECT_EQ(child->Font()->Name(), "DejaVu Sans Mono");
}

TEST_F(ControlModelTest, MouseEnterAndLeaveFollowTheMouseIncludingGraphicControls) {
  TEventLog seen;
  for (TControl* c : std::initializer_list<TControl*>{Form->First, Form->Swatch}) {
    c->OnMouseEnter = [&seen, c](TObject*) { seen.push_back(c->Name() + " enter"); };
    c->OnMouseLeave = [&seen, c](TObject*) { seen.push_back(c->Name() + " leave"); };
  }
  Driver.MouseMove(Form->First, 5, 5);
  Driver.MouseMove(Form->First, 6, 6);
  Driver.MouseMove(Form->Swatch, 5, 5);
  Driver.MouseMove(Form, 390, 250);
  EXPECT_EQ(seen, (TEventLog{"First enter", "First leave", "Swatch enter", "Swatch leave"}));
}

// A dialog, a message box or a modal form takes the input from the windows
// beneath it: the control under the mouse is left, so it does not stay hot
// after the dialog closes; the next move enters it again.
TEST_F(ControlModelTest, ADialogTakesTheMouseFromTheControlUnderIt) {
  TEventLog seen;
  Form->First->OnMouseEnter = [&seen](TObject*) { seen.push_back("enter"); };
  Form->First->OnMouseLeave = [&seen](TObject*) { seen.push_back("leave"); };
  Driver.MouseMove(Form->First, 5, 5);
  Driver.ExpectMessage("Saved", mrOk);
  ShowMessage("Saved");
  EXPECT_EQ(seen, (TEventLog{"enter", "leave"}));
  Driver.MouseMove(Form->First, 6, 6);
  auto* modal = new TForm(Application);
  Driver.InModal([modal] { modal->SetModalResult(mrOk); });
  modal->ShowModal();
  EXPECT_EQ(seen, (TEventLog{"enter", "leave", "enter", "leave"}));
}

TEST_F(ControlModelTest, TheCursorComesFromScreenThenTheControlUnderTheMouse) {
  Form->Swatch->SetCursor(crHandPoint);
  Form->First->SetCursor(crIBeam);
  Driver.MouseMove(Form->Swatch, 2, 2);
  Driver.MouseMove(Form->First, 2, 2);
  Driver.MouseMove(Form, 390, 250);
  Screen->SetCursor(crHourGlass);
  Driver.MouseMove(Form->First, 3, 3);
  Screen->SetCursor(crDefault);
  // Back to crDefault, the control under the mouse shows its own again.
  EXPECT_EQ(Driver.CursorsSet(), (std::vector<std::string>{"crHandPoint", "crIBeam", "crArrow", "crHourGlass", "crIBeam"}));
}

TEST_F(ControlModelTest, HintShowsAfterThePauseAndHidesAfterTheHidePause) {
  Form->Second->SetHint("Second box|Longer help");
  Form->Second->SetShowHint(true);
  Driver.MouseMove(Form->Second, 5, 5);
  EXPECT_EQ(Application->Hint(), "Second box|Longer help");
  Driver.Advance(Application->HintPause() - 1);
  EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Visible());
  Driver.Advance(1);
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Showing());
  EXPECT_EQ(Application->HintWindow()->Caption(), "Second box");
  Driver.Advance(Application->HintHidePause());
  EXPECT_FALSE(Application->HintWindow()->Visible());
}

TEST_F(ControlModelTest, CmHintShowCanChangeOrCancelTheHint) {
  class THinted : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    bool Cancel = false;

  protected:
    void CMHintShow(TCMHintShow& m) override {
      m.HintInfo->HintStr = "changed";
      m.Result = Cancel ? 1 : 0;
    }
  };
  auto* c = new THinted(Form);
  c->SetBounds(0, 100, 50, 50);
  c->SetParent(Form);
  c->SetHint("original");
  c->SetShowHint(true);
  Driver.MouseMove(c, 5, 5);
  Driver.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->Caption(), "changed");
}

TEST_F(ControlModelTest, BordersAndScrollBarsTakeTheirPlaceOutsideTheClientArea) {
  TCustomControl* p = Panel(0, 100, 200, 100);
  EXPECT_EQ(p->ClientRect(), Rect(0, 0, 200, 100));
  p->SetExStyle(WS_EX_CLIENTEDGE);
  EXPECT_EQ(p->ClientRect(), Rect(0, 0, 196, 96));
  ShowScrollBar(p->Handle(), SB_VERT, true);
  EXPECT_EQ(p->ClientWidth(), 196 - platform::Facts().ScrollBarSize);
  p->SetBorderWidth(3);
  p->SetBevelKind(bkFlat);
  EXPECT_EQ(p->ClientWidth(), 196 - 17 - 6 - 4);
  EXPECT_EQ(p->ClientAreaInWindow().TopLeft(), (TPoint{2 + 3 + 2, 2 + 3 + 2}));
  Driver.ClearPaints();
  p->Invalidate();
  Driver.Pump();
  ASSERT_FALSE(Driver.Paints().empty());
  EXPECT_EQ(Driver.Paints()[0].Msg, WM_NCPAINT);
}

TEST_F(ControlModelTest, FlatScrollBarsTakeTheirOwnThicknessLookAndColour) {
  TCustomControl* p = Panel(0, 100, 200, 100);
  ShowScrollBar(p->Handle(), SB_VERT, true);
  const int system = platform::Facts().ScrollBarSize;
  EXPECT_FALSE(FlatSB_SetScrollProp(p->Handle(), WSB_PROP_CXVSCROLL, 9, true)) << "the service is not on";
  ASSERT_TRUE(InitializeFlatSB(p->Handle()));
  EXPECT_TRUE(FlatSB_SetScrollProp(p->Handle(), WSB_PROP_CXVSCROLL, 9, true));
  EXPECT_TRUE(FlatSB_SetScrollProp(p->Handle(), WSB_PROP_VSTYLE, FSB_FLAT_MODE, true));
  EXPECT_TRUE(FlatSB_SetScrollProp(p->Handle(), WSB_PROP_VBKGCOLOR, clLime, true));
  EXPECT_FALSE(FlatSB_SetScrollProp(p->Handle(), 0x4000, 1, true)) << "no such property";
  EXPECT_EQ(p->ClientWidth(), 200 - 9);
  EXPECT_EQ(p->ScrollBarRect(SB_VERT).Width(), 9);
  // The track between the arrows shows the background colour (nothing to scroll: no thumb).
  EXPECT_EQ(ColorToRGB(Driver.PixelAt(p, 200 - 5, 50)), ColorToRGB(clLime));
  UninitializeFlatSB(p->Handle());
  EXPECT_EQ(p->ClientWidth(), 200 - system);
  intptr_t v = 0;
  EXPECT_FALSE(FlatSB_GetScrollProp(p->Handle(), WSB_PROP_CXVSCROLL, v));
}

TEST_F(ControlModelTest, ClickingAWindowScrollBarSendsScrollMessages) {
  class TScroller : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    std::vector<int> Codes;

  protected:
    void WMVScroll(TWMScroll& m) override {
      Codes.push_back(m.ScrollCode);
      if (m.ScrollCode == SB_THUMBTRACK || m.ScrollCode == SB_THUMBPOSITION) Codes.push_back(1000 + m.Pos);
    }
  };
  auto* s = new TScroller(Form);
  s->SetBounds(0, 100, 100, 117);
  s->SetParent(Form);
  ShowScrollBar(s->Handle(), SB_VERT, true);
  TScrollInfo si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 99;
  si.nPage = 10;
  si.nPos = 0;
  SetScrollInfo(s->Handle(), SB_VERT, si, true);
  // The bar is outside the client area: aim with window coordinates.
  int barX = s->ClientWidth() + 5;
  Driver.Click(s, barX, 5);                      // the up arrow
  Driver.Advance(600);
  Driver.Click(s, barX, s->Height() - 5);        // the down arrow
  Driver.Advance(600);
  Driver.Click(s, barX, 90);                     // the track below the thumb
  EXPECT_EQ(s->Codes, (std::vector<int>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
  s->Codes.clear();
  Driver.Advance(600);
  Driver.MouseDown(s, barX, 20);                 // on the thumb
  Driver.MouseMove(s, barX, 60);
  Driver.MouseUp(s, barX, 60);
  ASSERT_GE(s->Codes.size(), 4u);
  EXPECT_EQ(s->Codes[0], SB_THUMBTRACK);
  EXPECT_GT(s->Codes[1], 1000);
  EXPECT_EQ(s->Codes.back(), SB_ENDSCROLL);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlModelTest, PaintToDrawsTheControlOnAnotherCanvas) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 60, 30);
  TCanvas c;
  c.SetSurface(s);
  Form->Swatch->SetVisible(false);
  Form->First->PaintTo(&c, 0, 0);
  cairo_surface_flush(s);
  uint32_t px = *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + 20 * cairo_image_surface_get_stride(s) + 50 * 4);
  EXPECT_NE(px & 0xFFFFFF, 0u);  // the focused box paints in the highlight colour
  c.SetSurface(nullptr);
  cairo_surface_destroy(s);
}

TEST_F(ControlModelTest, DestroyingAControlDropsItsFocusCaptureAndHandle) {
  Form->Second->SetFocus();
  Driver.MouseDown(Form->Second, 5, 5);
  HWND h = Form->Second->Handle();
  delete Form->Second;
  Form->Second = nullptr;
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  Driver.MouseUp(Form, 200, 200);
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), Form->First);
}

TEST_F(ControlModelTest, SetParentToItselfIsRefused) {
  EXPECT_THROW(Form->First->SetParent(Form->First), EInvalidOperation);
}

}  // namespace

namespace {

// A drop-down made the way list and calendar drop-downs are: a parentless
// control that asks for a popup window in CreateParams.
class TDropDown : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void CreateParams(TCreateParams& p) override {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(clWindow);
    Canvas()->FillRect(ClientRect());
  }
};

TEST_F(ControlModelTest, AParentlessPopupControlShowsAtScreenCoordinatesWithoutTakingFocus) {
  auto* drop = new TDropDown(Form);
  drop->SetBounds(500, 400, 120, 80);
  drop->SetParentWindow(Form->Handle());
  drop->Show();
  Driver.Pump();
  ASSERT_TRUE(drop->Showing());
  EXPECT_EQ(drop->ClientWidth(), 118);  // WS_BORDER
  EXPECT_EQ(drop->ClientToScreen({0, 0}), (TPoint{501, 401}));
  EXPECT_EQ(WindowFromPoint({510, 410}), drop->Handle());
  Driver.Click(drop, 5, 5);
  EXPECT_TRUE(Form->First->Focused());
  drop->Hide();
  EXPECT_FALSE(drop->Showing());
  EXPECT_NE(WindowFromPoint({510, 410}), drop->Handle());
}

TEST_F(ControlModelTest, TheCaretIsDrawnOverItsOwnersPaint) {
  HWND h = Form->Third->Handle();
  ASSERT_TRUE(CreateCaret(h, 2, 16));
  SetCaretPos(10, 5);
  ShowCaret(h);
  Driver.Pump();
  TPoint p;
  EXPECT_TRUE(GetCaretPos(p));
  EXPECT_EQ(p, (TPoint{10, 5}));
  cairo_surface_t* s = wm::SurfaceOf(Form);
  cairo_surface_flush(s);
  TPoint at = Form->Third->ClientToScreen({10, 8});
  TPoint o = wm::SurfaceScreenOrigin(Form);
  uint32_t caretPx = *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                                  (at.Y - o.Y) * cairo_image_surface_get_stride(s) + (at.X - o.X) * 4);
  uint32_t besidePx = *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                                   (at.Y - o.Y) * cairo_image_surface_get_stride(s) + (at.X - o.X + 5) * 4);
  EXPECT_NE(caretPx & 0xFFFFFF, besidePx & 0xFFFFFF);
  DestroyCaret();
  EXPECT_FALSE(GetCaretPos(p));
}

}  // namespace

namespace {

TEST_F(ControlModelTest, CustomCursorsComeFromResourcesAndShowByTheirIndex) {
  HCURSOR h = LoadCursorFromResource("QGS_POINTER");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(LoadCursorFromResource("NO_SUCH_CURSOR"), nullptr);
  constexpr TCursor crPointer = 5;
  Screen->SetCursors(crPointer, h);
  Form->Third->SetCursor(crPointer);
  Driver.MouseMove(Form->Third, 4, 4);
  ASSERT_FALSE(Driver.CursorsSet().empty());
  EXPECT_EQ(Driver.CursorsSet().back(), "QGS_POINTER");
  const auto* w = Driver.Host().Find(wm::Find(Form->Handle())->Host);
  EXPECT_FALSE(w->Cursor.Pixels.empty());
}

}  // namespace

namespace {

TEST_F(ControlModelTest, AWindowRegionClipsHitTestingAndPainting) {
  TCustomControl* p = Panel(0, 100, 100, 100);
  p->SetWindowRgn({Rect(0, 0, 50, 50)});
  EXPECT_EQ(WindowFromPoint(p->ClientToScreen({10, 10})), p->Handle());
  EXPECT_EQ(WindowFromPoint(p->ClientToScreen({80, 80})), Form->Handle());
  Driver.ClearPaints();
  p->Invalidate();
  Driver.Pump();
  bool painted = false;
  for (const auto& r : Driver.Paints())
    if (r.Control == p && r.Msg == WM_PAINT) {
      painted = true;
      EXPECT_EQ(r.Clip, Rect(0, 0, 50, 50));
    }
  EXPECT_TRUE(painted);
}

}  // namespace

namespace {

TEST_F(ControlModelTest, AGraphicControlCapturesThroughItsParentsWindow) {
  int clicks = 0, downs = 0, ups = 0;
  Form->Swatch->OnClick = [&](TObject*) { ++clicks; };
  Form->Swatch->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  Form->Swatch->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  Driver.MouseDown(Form->Swatch, 5, 5);
  EXPECT_EQ(GetCaptureControl(), Form->Swatch);
  EXPECT_EQ(GetCapture(), Form->Handle());
  Driver.MouseUp(Form->Second, 5, 5);  // released over another control
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  Driver.Advance(600);
  Driver.Click(Form->Swatch, 5, 5);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs, 2);
}

TEST_F(ControlModelTest, ScreenFollowsTheActiveFormAndControl) {
  int formChanges = 0, controlChanges = 0;
  Screen->OnActiveFormChange = [&](TObject*) { ++formChanges; };
  Screen->OnActiveControlChange = [&](TObject*) { ++controlChanges; };
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Screen->ActiveControl(), Form->Second);
  EXPECT_EQ(controlChanges, 1);
  TForm* other = new TForm(Application);
  other->Show();
  EXPECT_EQ(Screen->ActiveForm(), other);
  EXPECT_FALSE(Form->Active());
  other->Hide();
  EXPECT_EQ(Screen->ActiveForm(), Form);
  EXPECT_TRUE(Form->Second->Focused());  // the form's active control gets the focus back
  EXPECT_GE(formChanges, 2);
}

}  // namespace

namespace {

class InvalidateRectTest : public ControlModelTest {};

struct ExposedPanel : TCustomControl {
  using TCustomControl::TCustomControl;
  using TControl::InvalidateRect;
};

// The rectangle is in client coordinates: a border must not shift what gets repainted.
TEST_F(InvalidateRectTest, BorderedWindowRepaintsExactlyTheClientRectangle) {
  auto* panel = new ExposedPanel(Form);
  panel->SetBounds(20, 30, 100, 80);
  panel->SetParent(Form);
  panel->SetName("Bordered");
  panel->SetBorderWidth(5);
  Driver.Pump();
  Driver.ClearPaints();
  panel->InvalidateRect(Rect(0, 0, 10, 10));
  Driver.Pump();
  bool seen = false;
  for (const auto& p : Driver.Paints()) {
    if (p.Control != panel || p.Msg != WM_PAINT) continue;
    seen = true;
    EXPECT_EQ(p.Clip, Rect(0, 0, 10, 10));
  }
  EXPECT_TRUE(seen);
}

}  // namespace
