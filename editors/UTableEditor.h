#pragma once
// The frame every table editor stands on: the title panel, the table in a
// column grid, OK, Cancel, Delete Row and Insert Row. The editor itself is
// data (its TTableLayout) and its row rules (a TTableRules); the frame loads the section file
// on every show, validates on OK and rewrites the file.

#include "base/UFormLook.h"
#include "editors/UTableCheck.h"
#include "editors/UTableData.h"
#include "editors/UTableFile.h"
#include "grid/core/ExtCGrid.h"

// Paints column 0 (the row numbers) of the data rows in Color.
void Colour_Row_Numbers(TExtColumnGrid* Grid, TColor Color);

// Not an item: the grid's list editor then preselects nothing.
inline constexpr int No_Combo_Preselection = -2;

// The editor's rules over every row.
using TTableRules = TTableCheck (*)(const TTableCells& Cells);

class TFTableEditor : public TShellDialog {
public:
  TFTableEditor(TComponent* AOwner, const TTableLayout& Layout, TTableRules Rules);
  std::string ClassName() const override { return "TFTableEditor"; }

  TExtColumnGrid* sga;
  TLbButton* Btn_DelRow = nullptr;  // only in the editors that offer it
  TLbButton* Btn_InsRow = nullptr;  // only in the editors that offer it
  // The file could not be shown completely: OK asks before replacing it.
  bool Load_Incomplete = false;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  virtual bool Controllo_dati();
  void Btn_OKClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Delete_Row(int Num_Row, TExtColumnGrid* app_SGA);
  void Insert_Row(int Num_Row, TExtColumnGrid* app_SGA);
  void Set_Lang() override;

  const TTableLayout& Layout() const { return layout_; }
  // The grid's texts as a table, and a table shown in the grid.
  TTableCells Grid_Cells() const;
  void Show_Cells(const TTableCells& Cells);

protected:
  // The section file into the cells, and the cells into the file; an editor
  // whose file holds more than its cells show adds its own steps here.
  virtual TTableLoad Load_Cells(TTableCells& Cells);
  virtual void Save_Cells(const TTableCells& Cells);

private:
  void Store_Edit();
  void Start_At_First_Cell();
  void Clear_List_Cell(uint16_t& Key, TShiftState Shift);
  void Fit_Header_Row();
  void Create_Grid();
  void Place_Buttons();
  const TTableLayout layout_;
  TTableRules rules_;
};

// A table editor of its own class, known by its instance name (FReceiveJ1939
// for TFReceiveJ1939, ...) from Application->CreateForm until it is destroyed.
template <class TDialog>
class TTableEditorWindow : public TFTableEditor {
protected:
  TTableEditorWindow(TComponent* AOwner, const TTableLayout& Layout, TTableRules Rules, TDialog*& Instance)
      : TFTableEditor(AOwner, Layout, Rules), instance_(Instance) {}
  // The instance name must not outlive the window. The dialog part is gone
  // by now, so only the addresses are compared.
  ~TTableEditorWindow() override {
    if (static_cast<void*>(instance_) == static_cast<void*>(this)) instance_ = nullptr;
  }

private:
  TDialog*& instance_;
};
