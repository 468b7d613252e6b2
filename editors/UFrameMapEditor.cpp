#include "editors/UFrameMapEditor.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UEditorSave.h"
#include "outputs/USectionFiles.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr int Field_Left = 407;
constexpr int Field_Control_Left = 503;
constexpr int List_Top = 108;
constexpr int Op_Width = 102;
constexpr int Op_Height = 28;
constexpr TColor Item_List_Color = RGB(224, 250, 254);
constexpr TColor Field_Color = RGB(168, 255, 168);

TMapItem Read_Item(const TMapLayout& Layout, const TSectionTable& Table, size_t Row) {
  TMapItem item;
  for (const TMapField& f : Layout.Texts) item.Texts.push_back(Table.Required(Row, f.Attribute));
  // "No choice" is stored as 0 ("None"), whatever an older file holds.
  for (const TMapField& f : Layout.Choices)
    item.Choices.push_back(std::max(0, StrToIntDef(Table.Required(Row, f.Attribute), 0)));
  return item;
}

std::string Label_Text(int Index) { return Index ? Lang_Text(Index) : ""; }

}  // namespace

TTableLoad Load_Map_File(const TMapLayout& Layout, std::vector<TMapFrame>& Frames) {
  TTableLoad load;
  try {
    TSectionTable table = Load_Section_Table(*Layout.Path);
    for (size_t r = 0; r < table.Rows.size(); ++r) {
      std::string ref = table.Required(r, Layout.Ref_Attribute);
      int pos = StrToIntDef(ref, -1 - Layout.Ref_Base) - Layout.Ref_Base;
      if (pos < 0 || pos >= int(Frames.size())) {
        // Without frames nothing can be shown: OK asks before emptying the file.
        if (load.Complete)
          load = {false, Frames.empty() ? "" : Bad_Frame_Reference_Text(int(r) + 1, Layout.Ref_Attribute, ref,
                                                                         int(Frames.size()))};
        continue;
      }
      Frames[size_t(pos)].Items.push_back(Read_Item(Layout, table, r));
    }
  } catch (const ESectionFileError& e) {
    load = {false, e.Message()};
  }
  return load;
}

void Save_Map_File(const TMapLayout& Layout, const std::vector<TMapFrame>& Frames) {
  platform::XmlDocument doc;
  platform::XmlNode root = doc.AddRoot(Layout.Root);
  doc.AddComment(Section_Version_Comment);
  for (size_t p = 0; p < Frames.size(); ++p)
    for (const TMapItem& item : Frames[p].Items) {
      platform::XmlNode row = root.AddChild("row");
      row.SetAttribute(Layout.Ref_Attribute, IntToStr(int(p) + Layout.Ref_Base));
      for (size_t i = 0; i < Layout.Texts.size(); ++i) row.SetAttribute(Layout.Texts[i].Attribute, item.Texts[i]);
      for (size_t i = 0; i < Layout.Choices.size(); ++i)
        row.SetAttribute(Layout.Choices[i].Attribute, IntToStr(item.Choices[i]));
    }
  doc.Save(*Layout.Path);
}

TFFrameMapEditor::TFFrameMapEditor(TComponent* AOwner, const TMapLayout& Layout)
    : TShellDialog(AOwner, 629, Layout.Client_Height), layout_(Layout) {
  Create_Controls();
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// The label (or two) of a field, then its control; returns the top of the next field.
int TFFrameMapEditor::Place_Field(const TMapField& Field, int Top, TWinControl* Control) {
  Field_Labels.push_back(Make_Label(this, this, Field_Left, Field.Inline ? Top + 3 : Top));
  Field_Labels.push_back(Field.Label2 ? Make_Label(this, this, Field_Left, Top + 14) : nullptr);
  Control->SetParent(this);
  Control->SetColor(Field_Color);
  if (Field.Inline) {
    Control->SetBounds(Field_Control_Left, Top, 114, 21);
    return Top + 30;
  }
  int top = Top + (Field.Label2 ? 30 : 16);
  Control->SetBounds(Field_Left, top, 210, 21);
  return top + 26;
}

void TFFrameMapEditor::Create_Controls() {
  int top = Content_Top();
  L_J1939_Frame_Desc1 = Make_Label(this, this, 8, top + 1);
  L_J1939_Frame_Desc2 = Make_Label(this, this, 8, top + 20);
  L_Item_Desc1 = Make_Label(this, this, 215, top + 1);
  L_Item_Desc2 = Make_Label(this, this, 215, top + 20);
  L_Field_Desc = Make_Label(this, this, Field_Left, top + 1);
  int list_height = Content_Bottom() - List_Top - 8;
  LB_J1939_Frames = new TListBox(this);
  LB_J1939_Frames->SetParent(this);
  LB_J1939_Frames->SetBounds(8, List_Top, 201, list_height);
  LB_J1939_Frames->SetTabWidth(layout_.Tab_Width);
  LB_J1939_Frames->OnClick = [this](TObject* Sender) { LB_J1939_FramesClick(Sender); };
  LB_Items = new TListBox(this);
  LB_Items->SetParent(this);
  LB_Items->SetBounds(215, List_Top, 178, list_height);
  LB_Items->SetColor(Item_List_Color);
  LB_Items->OnClick = [this](TObject* Sender) { LB_ItemsClick(Sender); };
  int y = 94;
  for (const TMapField& f : layout_.Texts) {
    Edits.push_back(new TEdit(this));
    y = Place_Field(f, y, Edits.back());
  }
  for (const TMapField& f : layout_.Choices) {
    auto* cb = new TComboBox(this);
    cb->SetStyle(csDropDownList);
    cb->SetDropDownCount(9);
    for (const std::string& s : f.Items) cb->Items()->Add(s);
    cb->OnChange = [this](TObject*) { Fields_Changed(); };
    Lists.push_back(cb);
    y = Place_Field(f, y, cb);
  }
  y += 10;
  auto op = [&](int Left, int Top, TAppGlyph Glyph) {
    TLbButton* b = Make_Button(this, this, Left, Top, Op_Width, Op_Height, Glyph);
    b->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
    return b;
  };
  Btn_Create = op(Field_Left, y, agNew);
  Btn_Modify = op(Field_Left + 108, y, agParams);
  Btn_Delete = op(Field_Left, y + 34, agDelRow);
  Btn_Copy = op(Field_Left, y + 68, agNone);
  Btn_Paste = op(Field_Left + 108, y + 68, agInsRow);
}

void TFFrameMapEditor::FormCreate(TObject*) { Prepare_Dialog(); }

void TFFrameMapEditor::FormShow(TObject*) {
  Lista_J1939_Frame.clear();
  TJ1939_Frame_Read read = Read_J1939_Frames(*layout_.Frame_Path, layout_.Frame_Needs);
  for (TJ1939_Frame_Info& f : read.Frames) Lista_J1939_Frame.push_back({std::move(f), {}});
  TTableLoad load = read.Error.empty() ? Load_Map_File(layout_, Lista_J1939_Frame) : TTableLoad{false, read.Error};
  Load_Incomplete = !load.Complete;
  Aggiorna_Lista_Frame();
  Aggiorna_Lista_Items();
  Aggiorna_Green_Fields();
  Aggiorna_Lista_Byte();
  if (!load.Error.empty()) MessageDlg(load.Error, mtError, {mbOK});
}

int TFFrameMapEditor::Frame_Pos() const {
  int f = LB_J1939_Frames->ItemIndex();
  return f >= 0 && f < int(Lista_J1939_Frame.size()) ? f : -1;
}

int TFFrameMapEditor::Item_Pos() const {
  int f = Frame_Pos();
  int i = LB_Items->ItemIndex();
  return f >= 0 && i >= 0 && i < int(Lista_J1939_Frame[size_t(f)].Items.size()) ? i : -1;
}

void TFFrameMapEditor::LB_J1939_FramesClick(TObject*) {
  Aggiorna_Lista_Items();
  Aggiorna_Green_Fields();
  Aggiorna_Lista_Byte();
  Fields_Changed();
}

void TFFrameMapEditor::LB_ItemsClick(TObject*) { Aggiorna_Green_Fields(); }

void TFFrameMapEditor::Aggiorna_Lista_Frame() {
  LB_J1939_Frames->Items()->Clear();
  for (const TMapFrame& f : Lista_J1939_Frame) {
    std::string line = f.Info.Data_Page + "\t" + f.Info.PGN + "\t" + f.Info.Source_Address;
    LB_J1939_Frames->Items()->Add(layout_.Priority_Shown ? f.Info.Priority + "\t" + line : line);
  }
}

void TFFrameMapEditor::Aggiorna_Lista_Items() {
  LB_Items->Items()->Clear();
  if (int f = Frame_Pos(); f >= 0)
    for (const TMapItem& item : Lista_J1939_Frame[size_t(f)].Items) LB_Items->Items()->Add(Item_Line(item));
  LB_Items->SetItemIndex(-1);
}

std::string TFFrameMapEditor::Byte_Choice_Text(int Choice) const {
  if (Choice == 0) return layout_.None_Text ? Lang_Text(layout_.None_Text) : "None";
  return (layout_.Byte_Text ? Lang_Text(layout_.Byte_Text) : "Byte ") + IntToStr(Choice);
}

void TFFrameMapEditor::Aggiorna_Lista_Byte() {
  int f = Frame_Pos();
  int bytes = f >= 0 ? Lista_J1939_Frame[size_t(f)].Info.Num_Byte : 0;
  for (size_t i = 0; i < Lists.size(); ++i) {
    if (!layout_.Choices[i].Bytes) continue;
    TStrings* items = Lists[i]->Items();
    items->Clear();
    for (int n = 0; n <= bytes; ++n) items->Add(Byte_Choice_Text(n));
    Lists[i]->SetItemIndex(0);
  }
}

void TFFrameMapEditor::Show_Item(const TMapItem& Item) {
  for (size_t i = 0; i < Edits.size(); ++i) Edits[i]->SetText(Item.Texts[i]);
  // A byte beyond the frame's present length shows as no choice.
  for (size_t i = 0; i < Lists.size(); ++i) Lists[i]->SetItemIndex(Item.Choices[i]);
  Fields_Changed();
}

void TFFrameMapEditor::Aggiorna_Green_Fields() {
  int f = Frame_Pos(), i = Item_Pos();
  if (i >= 0) return Show_Item(Lista_J1939_Frame[size_t(f)].Items[size_t(i)]);
  for (TEdit* e : Edits) e->SetText("");
  for (TComboBox* cb : Lists) cb->SetItemIndex(0);
  Fields_Changed();
}

TMapItem TFFrameMapEditor::Fields_Item() const {
  TMapItem item;
  for (TEdit* e : Edits) item.Texts.push_back(e->Text());
  for (TComboBox* cb : Lists) item.Choices.push_back(std::max(0, cb->ItemIndex()));
  return item;
}

bool TFFrameMapEditor::In_Use(const std::function<bool(const TMapItem&)>& Same, int Frame, int Pos) const {
  for (size_t f = 0; f < Lista_J1939_Frame.size(); ++f) {
    const std::vector<TMapItem>& items = Lista_J1939_Frame[f].Items;
    for (size_t i = 0; i < items.size(); ++i)
      if (!(int(f) == Frame && int(i) == Pos) && Same(items[i])) return true;
  }
  return false;
}


void TFFrameMapEditor::Btn_Click(TObject* Sender) {
  if (Sender == Btn_Create) Add_Item();
  else if (Sender == Btn_Modify) Modify_Item();
  else if (Sender == Btn_Delete) Delete_Item();
  else if (Sender == Btn_Copy) Copy_Item();
  else if (Sender == Btn_Paste) Paste_Item();
}


// Shows why Item may not be stored at (Frame, Pos); true when it may not.
// Every text of an item is a number, so no text can hold what the file
// could not carry.
bool TFFrameMapEditor::Refused(const TMapItem& Item, int Frame, int Pos) const {
  int msg = Check_Item(Item, Frame, Pos);
  if (msg == 0) return false;
  MessageDlg(Lang_Text(msg), mtError, {mbOK});
  return true;
}

void TFFrameMapEditor::Add_Item() {
  int f = Frame_Pos();
  if (f < 0) return;
  TMapItem item = Fields_Item();
  if (Refused(item, -1, -1)) return;
  Lista_J1939_Frame[size_t(f)].Items.push_back(item);
  Aggiorna_Lista_Items();
}

void TFFrameMapEditor::Modify_Item() {
  int f = Frame_Pos(), i = Item_Pos();
  if (i < 0) return;
  TMapItem item = Fields_Item();
  if (Refused(item, f, i)) return;
  Lista_J1939_Frame[size_t(f)].Items[size_t(i)] = item;
  Aggiorna_Lista_Items();
}

void TFFrameMapEditor::Delete_Item() {
  int f = Frame_Pos(), i = Item_Pos();
  if (i < 0) return;
  std::vector<TMapItem>& items = Lista_J1939_Frame[size_t(f)].Items;
  items.erase(items.begin() + i);
  Aggiorna_Lista_Items();
}

void TFFrameMapEditor::Copy_Item() {
  int f = Frame_Pos(), i = Item_Pos();
  if (i >= 0) ACopy = Lista_J1939_Frame[size_t(f)].Items[size_t(i)];
}

void TFFrameMapEditor::Paste_Item() {
  if (ACopy.Texts.empty()) ACopy = {std::vector<std::string>(Edits.size()), std::vector<int>(Lists.size(), 0)};
  for (size_t i = 0; i < Edits.size(); ++i) Edits[i]->SetText(ACopy.Texts[i]);
  for (size_t i = 0; i < Lists.size(); ++i) Lists[i]->SetItemIndex(ACopy.Choices[i]);
}

void TFFrameMapEditor::Btn_OKClick(TObject*) {
  if (Replace_Section_File(Load_Incomplete, ExtractFileName(*layout_.Path),
                           [&] { Save_Map_File(layout_, Lista_J1939_Frame); }))
    SetModalResult(mrOk);
}

void TFFrameMapEditor::Set_Lang() {
  SetCaption(Lang_Text(layout_.Caption));
  L_SW_Desc->SetCaption(Lang_Text(layout_.Desc));
  L_J1939_Frame_Desc1->SetCaption(Lang_Text(layout_.Frame_Desc1));
  L_J1939_Frame_Desc2->SetCaption(Lang_Text(layout_.Frame_Desc2));
  L_Item_Desc1->SetCaption(Lang_Text(layout_.Item_Desc1));
  L_Item_Desc2->SetCaption(Lang_Text(layout_.Item_Desc2));
  L_Field_Desc->SetCaption(Lang_Text(layout_.Field_Desc));
  std::vector<TMapField> fields = layout_.Texts;
  fields.insert(fields.end(), layout_.Choices.begin(), layout_.Choices.end());
  for (size_t k = 0; k < fields.size(); ++k) {
    Field_Labels[2 * k]->SetCaption(Label_Text(fields[k].Label));
    if (TLabel* second = Field_Labels[2 * k + 1]) second->SetCaption(Label_Text(fields[k].Label2));
  }
  for (size_t i = 0; i < Lists.size(); ++i) {
    const std::vector<int>& texts = layout_.Choices[i].Item_Texts;
    if (texts.empty()) continue;
    Lists[i]->Items()->Clear();
    for (int t : texts) Lists[i]->Items()->Add(Lang_Text(t));
    Lists[i]->SetItemIndex(0);
  }
  int b = layout_.First_Button;
  for (TLbButton* btn : {Btn_Create, Btn_Modify, Btn_Delete, Btn_Copy, Btn_Paste}) btn->SetCaption(Lang_Text(b++));
  Btn_OK->SetCaption(Lang_Text(layout_.Btn_OK));
  Btn_Cancel->SetCaption(Lang_Text(layout_.Btn_Cancel));
  Aggiorna_Lista_Items();
  Aggiorna_Lista_Byte();
}
