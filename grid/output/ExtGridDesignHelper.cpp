// The quick-configuration panel a grid shows in a form designer, at the
// bottom right of its client area: editing on or off, the column numbers in
// the header row, and the look. Nothing of it exists at run time.

#include <memory>

#include "grid/output/CellPaint.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr int kPanelWidth = 150;
constexpr TColor kPanelInk = static_cast<TColor>(0x800000);

void SetPanelFont(TCanvas* C) {
  C->Font()->SetName("Tahoma");
  C->Font()->SetSize(8);
}

std::string LookLine(TGridLook Look) {
  std::string name;
  TExtStringGrid::LookToDisplayName(Look, name);
  return "Set look: " + name;
}

}  // namespace

bool TExtStringGrid::DesignHelperShown() const {
  return ComponentState().Contains(csDesigning) && FShowDesignHelper;
}

// The item under a client point: 1 "Allow edit", 2 "Column numbers", 3 the
// look line, 4 the close glyph, -1 none; later tests win over earlier ones.
int TExtStringGrid::DesignHelperHitTest(int X, int Y) {
  TCanvas* c = Canvas();
  SetPanelFont(c);
  const int th = c->TextHeight("gh"), p = th + 2, ph = 4 * th + 18;
  const int cw = ClientWidth(), cb = ClientHeight();
  const int top = cb - ph;
  auto line = [&](int N, const std::string& Text, int Indent) {
    return X > cw - kPanelWidth && X < c->TextWidth(Text) + cw - Indent && top + N * p + 4 < Y &&
           Y < top + (N + 1) * p + 4;
  };
  int hit = -1;
  if (X > cw - 16 && top < Y && Y < top + 16) hit = 4;
  if (line(1, "Allow edit", 132)) hit = 1;
  if (line(2, "Column numbers", 132)) hit = 2;
  if (line(3, LookLine(FLook), kPanelWidth)) hit = 3;
  return hit;
}

void TExtStringGrid::PaintDesignHelper() {
  if (!DesignHelperShown()) return;
  TCanvas* c = Canvas();
  SetPanelFont(c);
  c->Brush()->SetColor(clInfoBk);
  c->Pen()->SetColor(static_cast<TColor>(0x808080));
  c->Font()->SetColor(kPanelInk);
  const int th = c->TextHeight("gh");
  const TRect r(ClientWidth() - kPanelWidth, ClientHeight() - 4 * th - 18, ClientWidth(), ClientHeight());
  c->Rectangle(r);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(r.Left + 4, r.Top + 4, "Quick config [v" + GetVersionString() + "]");
  TBitmap close;
  close.LoadFromResourceName("ESGCLOSE");
  close.SetTransparent(true);  // its corner colour is the panel's background
  c->Draw(r.Right - 16, r.Top + 2, &close);
  auto label = [&](int Item, int X, int Y, const std::string& Text) {
    TFontStyles st;
    if (FDesignHelperItem == Item) st.Include(fsUnderline);
    c->Font()->SetStyle(st);
    c->TextOut(X, Y, Text);
  };
  DrawCheckBox(c, TRect(r.Left + 4, r.Top + th + 4, r.Left + 20, r.Top + th + 20),
               Options().Contains(goEditing), true, false, csWinXP);
  label(1, r.Left + 22, r.Top + th + 6, "Allow edit");
  DrawCheckBox(c, TRect(r.Left + 4, r.Top + 2 * th + 6, r.Left + 20, r.Top + 2 * th + 22), FShowColumnNumbers,
               true, false, csWinXP);
  label(2, r.Left + 22, r.Top + 2 * th + 8, "Column numbers");
  label(3, r.Left + 4, r.Top + 3 * th + 10, LookLine(FLook));
  c->Font()->SetStyle(TFontStyles{});
  c->Brush()->SetStyle(bsSolid);
}

// The item under the mouse is underlined; the panel repaints when it changes.
void TExtStringGrid::DesignHelperHover(int X, int Y) {
  if (!DesignHelperShown()) return;
  const int item = DesignHelperHitTest(X, Y);
  if (item != FDesignHelperItem) InvalidateRect(TRect(ClientWidth() - kPanelWidth, ClientHeight() - 70,
                                                      ClientWidth(), ClientHeight()));
  FDesignHelperItem = item;
}

void TExtStringGrid::DesignHelperClick(int X, int Y) {
  if (!DesignHelperShown()) return;
  switch (DesignHelperHitTest(X, Y)) {
    case 1: {
      TGridOptions o = Options();
      if (o.Contains(goEditing)) o.Exclude(goEditing);
      else o.Include(goEditing);
      SetOptions(o);
      break;
    }
    case 2:
      FShowColumnNumbers = !FShowColumnNumbers;
      Invalidate();
      break;
    case 3: chooseLook(X, Y); break;
    case 4: SetShowDesignHelper(false); return;
    default: return;
  }
  // The designer notices a change of the form only.
  if (TCustomForm* form = GetParentForm(this)) {
    form->SetWidth(form->Width() - 1);
    form->SetWidth(form->Width() + 1);
  }
}

// The looks menu at the point; a chosen command n sets look n - 1.
void TExtStringGrid::chooseLook(int X, int Y) {
  static const std::pair<int, const char*> kItems[] = {{1, "Standard"},    {2, "Soft"},       {3, "Classic"},
                                                       {4, "QGS"},         {6, "ListView"},   {9, "Office 2007"},
                                                       {5, "Windows XP"},  {7, "Windows Vista"}, {8, "Windows 7"}};
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  int chosen = 0;
  for (const auto& [command, text] : kItems) {
    auto* item = new TMenuItem(menu.get());
    item->SetCaption(text);
    item->SetChecked(command - 1 == FLook);
    item->OnClick = [&chosen, command = command](TObject*) { chosen = command; };
    menu->Items()->Add(item);
  }
  const TPoint at = ClientToScreen(TPoint{X, Y});
  menu->Popup(at.X, at.Y);
  if (chosen > 0) SetLook(static_cast<TGridLook>(chosen - 1));
}

// The real column number in grey at the bottom right of a header cell.
void TExtStringGrid::paintColumnNumber(TCellPaint& P) {
  if (!ComponentState().Contains(csDesigning) || !FShowColumnNumbers || P.ARow != 0) return;
  TCanvas* c = P.Canvas;
  TFont saved;
  saved.Assign(c->Font());
  c->Font()->SetColor(static_cast<TColor>(0x808080));
  c->Font()->SetSize(8);
  c->Brush()->SetStyle(bsClear);
  const std::string n = std::to_string(P.RCol);
  c->TextOut(P.R.Right - 2 - c->TextWidth(n), P.R.Bottom - 2 - c->TextHeight(n), n);
  c->Brush()->SetStyle(bsSolid);
  c->Font()->Assign(&saved);
}

// The messages of the grid's window that belong to its painting: the
// designer's hit test and click over the panel, the Office theme notifier.
bool TExtStringGrid::PaintingMessage(TMessage& Message) {
  if (Message.Msg == ThemeChangeMessage) {
    AdaptToOfficeTheme();
    return true;
  }
  if (Message.Msg == WM_MOUSEMOVE)
    BalloonMouseMove(static_cast<int16_t>(Message.LParam & 0xFFFF), static_cast<int16_t>(Message.LParam >> 16));
  if (!DesignHelperShown()) return false;
  const int x = static_cast<int16_t>(Message.LParam & 0xFFFF), y = static_cast<int16_t>((Message.LParam >> 16) & 0xFFFF);
  if (Message.Msg == CM_DESIGNHITTEST) {
    DesignHelperHover(x, y);
    Message.Result = FDesignHelperItem >= 1 ? 1 : 0;
    return FDesignHelperItem >= 1;
  }
  if (Message.Msg == WM_LBUTTONUP) DesignHelperClick(x, y);
  return false;
}
