#include "app/UAbout.h"

#include "app/ULinks.h"
#include "app/UVersionCheck.h"
#include "base/UComon.h"

TFAbout* FAbout = nullptr;

namespace {

constexpr int Logo_Size = 81;
constexpr int Text_Left = 104;
constexpr int Value_Left = 226;

}  // namespace

void Draw_Logo(TBitmap& Bitmap, int Size) {
  Bitmap.SetSize(Size, Size);
  TCanvas* c = Bitmap.Canvas();
  c->Brush()->SetColor(Form_Color);
  c->FillRect(TRect(0, 0, Size, Size));
  c->Pen()->SetColor(0x804000);
  c->Brush()->SetColor(0xC06020);
  c->Ellipse(2, 2, Size - 2, Size - 2);
  c->Brush()->SetColor(clWhite);
  int m = Size / 4;
  c->Ellipse(m, m, Size - m, Size - m);
  c->Pen()->SetWidth(Size / 10);
  c->Pen()->SetColor(0xC06020);
  c->MoveTo(Size / 2, Size / 2);
  c->LineTo(Size - m / 2, Size - m / 2);
}

// The instance name must not outlive the window.
TFAbout::~TFAbout() {
  if (FAbout == this) FAbout = nullptr;
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  FAbout = this;
  Set_Form_Look(this);
  SetCaption("About");
  SetClientSize(406, 148);
  Image2 = new TImage(this);
  Image2->SetParent(this);
  Image2->SetBounds(10, 10, Logo_Size, Logo_Size);
  Image2->SetStretch(true);
  Image2->SetCursor(crHandPoint);
  TBitmap logo;
  Draw_Logo(logo, Logo_Size);
  Image2->Picture()->Assign(&logo);
  Label1 = Make_Label(this, this, Text_Left, 10, "Software Tessimator ");
  Label1->Font()->SetStyle({fsBold});
  Label2 = Make_Label(this, this, Text_Left, 28);
  Label6 = Make_Label(this, this, Text_Left, 52, "Software Code : ");
  Label9 = Make_Label(this, this, Value_Left, 52);
  Label3 = Make_Label(this, this, Text_Left, 70, "Version :");
  Label10 = Make_Label(this, this, Value_Left, 70);
  Label8 = Make_Label(this, this, Text_Left, 88, "Document Code :");
  Label12 = Make_Label(this, this, Value_Left, 88);
  for (TLabel* value : {Label9, Label10, Label12}) value->Font()->SetStyle({fsBold});
  Label4 = Make_Label(this, this, 10, 118, Web_Host);
  Label4->SetCursor(crHandPoint);
  Label4->Font()->SetColor(Link_Color);
  Label4->Font()->SetStyle({fsUnderline});
  LbButton1 = Make_Button(this, this, 296, 110, 100, 30, agNone);
  TBitmap ok;
  ok.LoadFromResourceName("LBOK");
  LbButton1->SetGlyph(&ok);
  LbButton1->SetCaption("OK");
  LbButton1->SetColorWhenDown(clYellow);
  LbButton1->SetModalResult(mrOk);
  Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
  Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFAbout::FormShow(TObject*) {
  Label2->SetCaption(SW_Description_Default);
  Label9->SetCaption(SW_Code_Default);
  Label10->SetCaption(SW_Version);
  Label12->SetCaption(Document_Code);
  SetClientSize(406, 148);
}

void TFAbout::Label4Click(TObject*) { Open_Link(Home_Page_Url()); }
