#pragma once
// The frame-mapping editors: the user picks a J1939 frame in one list, sees
// the items mapped onto it (Modbus registers, server SDO objects) in a
// second list, and creates, modifies, deletes, copies and pastes one item
// at a time through a column of fields. The editor itself is data (its
// TMapLayout) and its item rule; the file holds one row per item, the frame
// named by its position in the J1939 frame file.

#include <functional>
#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "editors/UJ1939_Frame_List.h"
#include "editors/UTableFile.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/ListBox.h"

// One mapped item: the texts as typed and the list positions chosen.
struct TMapItem {
  std::vector<std::string> Texts;
  std::vector<int> Choices;
  bool operator==(const TMapItem&) const = default;
};

struct TMapFrame {
  TJ1939_Frame_Info Info;
  std::vector<TMapItem> Items;
};

// A field of the item: an edit box for a text, a drop-down list for a choice.
struct TMapField {
  std::string Attribute;
  int Label = 0;   // string index of its label
  int Label2 = 0;  // a second label line, 0 for none
  bool Inline = true;  // label left of the control, else above it
  // Choices only: a list of the frame's bytes ("None", "Byte 1", ...), else
  // fixed items from the string table or, without those, literal ones.
  bool Bytes = false;
  std::vector<int> Item_Texts{};
  std::vector<std::string> Items{};
};

struct TMapLayout {
  std::string Root;
  std::string* Path = nullptr;        // the mapping file
  std::string* Frame_Path = nullptr;  // the J1939 frame file
  TJ1939_Frame_Needs Frame_Needs;
  bool Priority_Shown = false;  // the frame line begins with the priority
  std::string Ref_Attribute;    // the frame's position in the file ...
  int Ref_Base = 0;             // ... counted from this
  std::vector<TMapField> Texts;
  std::vector<TMapField> Choices;
  int Client_Height = 496;
  int Tab_Width = 42;
  // String indexes of the texts.
  int Caption = 0, Desc = 0, Frame_Desc1 = 0, Frame_Desc2 = 0, Item_Desc1 = 0, Item_Desc2 = 0, Field_Desc = 0;
  int First_Button = 0;  // Create, Modify, Delete, Copy, Paste in a row
  int Btn_OK = 0, Btn_Cancel = 0;
  int None_Text = 0, Byte_Text = 0;  // 0: the literal "None" and "Byte "
};

// The mapping file into frames (which must hold the J1939 frames already),
// and frames into the file. Rows naming no frame are left out and make the
// load incomplete, as do rows while there is no frame at all.
TTableLoad Load_Map_File(const TMapLayout& Layout, std::vector<TMapFrame>& Frames);
void Save_Map_File(const TMapLayout& Layout, const std::vector<TMapFrame>& Frames);

class TFFrameMapEditor : public TShellDialog {
public:
  TFFrameMapEditor(TComponent* AOwner, const TMapLayout& Layout);
  std::string ClassName() const override { return "TFFrameMapEditor"; }

  TLabel* L_J1939_Frame_Desc1;
  TLabel* L_J1939_Frame_Desc2;
  TListBox* LB_J1939_Frames;
  TLabel* L_Item_Desc1;
  TLabel* L_Item_Desc2;
  TListBox* LB_Items;
  TLabel* L_Field_Desc;
  std::vector<TEdit*> Edits;        // one per text field
  std::vector<TComboBox*> Lists;    // one per choice field
  std::vector<TLabel*> Field_Labels;  // per field its first and second label (nullptr when none)
  TLbButton* Btn_Create;
  TLbButton* Btn_Modify;
  TLbButton* Btn_Delete;
  TLbButton* Btn_Copy;
  TLbButton* Btn_Paste;

  std::vector<TMapFrame> Lista_J1939_Frame;
  TMapItem ACopy;  // the copy buffer; it outlives every show
  bool Load_Incomplete = false;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void LB_J1939_FramesClick(TObject* Sender);
  void LB_ItemsClick(TObject* Sender);
  void Btn_Click(TObject* Sender);
  void Btn_OKClick(TObject* Sender);
  void Set_Lang() override;

  void Add_Item();
  void Modify_Item();
  void Delete_Item();
  void Copy_Item();
  void Paste_Item();
  void Aggiorna_Lista_Frame();
  void Aggiorna_Lista_Items();
  void Aggiorna_Green_Fields();
  void Aggiorna_Lista_Byte();

  // The selected frame and item, -1 when none.
  int Frame_Pos() const;
  int Item_Pos() const;
  // The item the fields describe; no choice counts as 0 ("None").
  TMapItem Fields_Item() const;
  void Show_Item(const TMapItem& Item);
  // True when an item other than the one at (Frame, Pos) satisfies Same.
  bool In_Use(const std::function<bool(const TMapItem&)>& Same, int Frame, int Pos) const;

  const TMapLayout& Layout() const { return layout_; }

protected:
  // The message (a string index) that refuses Item for frame Frame at Pos
  // (-1 for a new item), 0 when it may be stored.
  virtual int Check_Item(const TMapItem& Item, int Frame, int Pos) const = 0;
  virtual std::string Item_Line(const TMapItem& Item) const = 0;
  // After the fields were filled or a choice changed.
  virtual void Fields_Changed() {}
  std::string Byte_Choice_Text(int Choice) const;

private:
  void Create_Controls();
  int Place_Field(const TMapField& Field, int Top, TWinControl* Control);
  bool Refused(const TMapItem& Item, int Frame, int Pos) const;
  const TMapLayout layout_;
};
