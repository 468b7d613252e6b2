#include "base/UFormLook.h"

#include "base/UComon.h"

namespace {

constexpr int Title_Height = 66;
constexpr int Button_Panel_Height = 44;
constexpr int Dialog_Button_Width = 100;
constexpr int Dialog_Button_Height = 30;

// Set by the main window while it lives.
TLanguageWindowRegistry Language_Window_Registry;

}  // namespace

// A plain coloured band along one edge of the form, for the title or the buttons.
TPanel* Make_Band(TCustomForm* Form, TAlign Align, int Height, TColor Color) {
  auto* p = new TPanel(Form);
  p->SetParent(Form);
  p->SetAlign(Align);
  p->SetHeight(Height);
  p->SetBevelOuter(bvNone);
  p->SetParentBackground(false);
  p->SetColor(Color);
  p->SetShowCaption(false);
  return p;
}

void Set_Form_Look(TCustomForm* Form, bool SystemMenu) {
  Form->SetBorderStyle(bsSingle);
  Form->SetBorderIcons(SystemMenu ? TBorderIcons{biSystemMenu} : TBorderIcons{});
  Form->SetPosition(poScreenCenter);
  Form->SetColor(Form_Color);
  Form->Font()->SetName("Verdana");
  Form->Font()->SetSize(8);
}

TTitlePanel Make_Title_Panel(TCustomForm* Form) {
  TTitlePanel t;
  t.P_Title = Make_Band(Form, alTop, Title_Height, Form_Color);
  t.L_SW_Code = Make_Label(Form, t.P_Title, 12, 6, SW_Code);
  t.L_SW_Code->Font()->SetSize(18);
  t.L_SW_Code->Font()->SetStyle({fsBold});
  t.L_SW_Code->Font()->SetColor(Code_Label_Color);
  t.L_SW_Desc = Make_Label(Form, t.P_Title, 12, 42);
  t.L_SW_Desc->Font()->SetStyle({fsBold});
  return t;
}

TButtonPanel Make_Button_Panel(TCustomForm* Form) {
  TButtonPanel b;
  b.P_Button = Make_Band(Form, alBottom, Button_Panel_Height, Form_Color);
  int w = Form->ClientWidth();
  int top = (Button_Panel_Height - Dialog_Button_Height) / 2;
  b.Btn_Cancel = Make_Button(Form, b.P_Button, w - Dialog_Button_Width - 10, top, Dialog_Button_Width,
                             Dialog_Button_Height, agCancel);
  b.Btn_OK = Make_Button(Form, b.P_Button, w - 2 * Dialog_Button_Width - 18, top, Dialog_Button_Width,
                         Dialog_Button_Height, agOK);
  for (TLbButton* btn : {b.Btn_OK, b.Btn_Cancel}) btn->SetAnchors({akRight, akTop});
  return b;
}

TLbButton* Make_Button(TCustomForm* Owner, TWinControl* Parent, int Left, int Top, int Width, int Height,
                       TAppGlyph Glyph) {
  auto* b = new TLbButton(Owner);
  b->SetParent(Parent);
  b->SetBounds(Left, Top, Width, Height);
  b->SetStyle(bsEncarta);
  b->SetLightColor(Button_Light_Color);
  b->SetColorWhenDown(Button_Down_Color);
  b->SetHotTrackColor(Button_Hot_Color);
  b->SetColor(Form_Color);
  if (Glyph != agNone) {
    TBitmap glyph;
    Draw_App_Glyph(glyph, Glyph, Height >= 48 ? 40 : 20);
    b->SetGlyph(&glyph);
  }
  return b;
}

TLabel* Make_Label(TCustomForm* Owner, TWinControl* Parent, int Left, int Top, const std::string& Caption) {
  auto* l = new TLabel(Owner);
  l->SetParent(Parent);
  l->SetLeft(Left);
  l->SetTop(Top);
  l->SetTransparent(true);
  l->SetCaption(Caption);
  return l;
}

TShellDialog::TShellDialog(TComponent* AOwner, int ClientWidth, int ClientHeight) : TForm(AOwner) {
  Set_Form_Look(this);
  SetClientSize(ClientWidth, ClientHeight);
  TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  TButtonPanel buttons = Make_Button_Panel(this);
  P_Button = buttons.P_Button;
  Btn_OK = buttons.Btn_OK;
  Btn_Cancel = buttons.Btn_Cancel;
  Btn_Cancel->SetModalResult(mrCancel);
}

void TShellDialog::DoShow() {
  P_Button->SetTabOrder(ControlCount());  // after every field, whenever the fields were made
  SetActiveControl(nullptr);
  TForm::DoShow();
}

void TShellDialog::Prepare_Dialog(bool Relabel) {
  L_SW_Code->SetCaption(SW_Code);
  Set_Lang();
  if (Relabel && Language_Window_Registry) Language_Window_Registry([this] { Set_Lang(); });
}

void Set_Language_Window_Registry(TLanguageWindowRegistry Registry) { Language_Window_Registry = std::move(Registry); }
