#include "app/UOpenConf.h"

#include "app/UProject.h"
#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "toolkit/forms/Dialogs.h"

TFOpenConf* FOpenConf = nullptr;

// The instance name must not outlive the window.
TFOpenConf::~TFOpenConf() {
  if (FOpenConf == this) FOpenConf = nullptr;
}

TFOpenConf::TFOpenConf(TComponent* AOwner) : TShellDialog(AOwner, 377, 351) {
  FOpenConf = this;
  SetBorderStyle(bsSizeable);
  SetClientSize(377, 351);
  Btn_OK->SetDefault(true);  // Enter opens the selected project
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  int top = Content_Top() + 8;
  Label1 = Make_Label(this, this, 12, top);
  ListBox1 = new TListBox(this);
  ListBox1->SetParent(this);
  ListBox1->SetBounds(12, top + 18, 353, Content_Bottom() - top - 24);
  ListBox1->SetAnchors({akLeft, akTop, akRight, akBottom});
  ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
  ListBox1->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    ListBox1MouseDown(Sender, Button, Shift, X, Y);
  };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFOpenConf::FormCreate(TObject*) { Prepare_Dialog(); }

void TFOpenConf::Load_Existing_Configuration() {
  SL = ::Load_Existing_Configuration();
  ListBox1->Items()->Clear();
  for (const std::string& name : SL) ListBox1->Items()->Add(Project_Display_Name(name));
}

int TFOpenConf::Search_Open_Conf(const std::string& Name) const { return ::Search_Open_Conf(SL, Name); }

// The open project is preselected, else the first entry; an empty list keeps
// the earlier choice.
void TFOpenConf::FormShow(TObject*) {
  Load_Existing_Configuration();
  int index = Preselected_Project(SL);
  if (index < 0) return;
  ListBox1->SetItemIndex(index);
  Name_Conf = SL[index];
}

void TFOpenConf::ListBox1Click(TObject*) {
  int index = ListBox1->ItemIndex();
  if (index >= 0 && index < static_cast<int>(SL.size())) Name_Conf = SL[index];
}

// A double click on an entry opens it, as OK does; one beside the entries
// does nothing.
void TFOpenConf::ListBox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft || !Shift.Contains(ssDouble)) return;
  int index = ListBox1->ItemAtPos({X, Y}, true);
  if (index < 0) return;
  ListBox1->SetItemIndex(index);
  ListBox1Click(Sender);
  Btn_OKClick(Sender);
}

// A project whose folder name cannot be kept is refused here, with a reason,
// instead of leaving no project open.
void TFOpenConf::Btn_OKClick(TObject*) {
  int index = ListBox1->ItemIndex();
  if (index >= 0 && index < static_cast<int>(SL.size()) && !Can_Open_Project(SL[index])) {
    MessageDlg(Project_Cannot_Open_Text(Project_Display_Name(SL[index])), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}

void TFOpenConf::Set_Lang() {
  SetCaption(Lang_Text(32));
  L_SW_Desc->SetCaption(Lang_Text(33));
  Label1->SetCaption(Lang_Text(34));
  Btn_OK->SetCaption(Lang_Text(35));
  Btn_Cancel->SetCaption(Lang_Text(36));
}
