#pragma once
// TEditLink: how an application puts a control of its own into a cell as
// the editor of kind edCustom. The grid shows the link (CreateEditor,
// SetRect, SetVisible, SetEditorValue, SetFocus), reads it back
// (GetEditorValue) and hides it; a concrete link makes its control in
// CreateEditor, answers it from GetEditControl, frees it in DestroyEditor
// and wires the control's key-down event to EditKeyDown, which ends the
// edit with the grid's rules for exit keys, validation and advance.

#include <cstdint>
#include <string>

#include "toolkit/forms/Controls.h"
#include "toolkit/rtl/Classes.h"

class TExtStringGrid;
class TForm;
class TFont;

// The control sits in the cell, or on a borderless popup form.
enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;
  std::string ClassName() const override { return "TEditLink"; }

  // ---- what a concrete link overrides ----
  virtual void EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  // The colour and font the cell is painted with.
  virtual void SetCellProps(TColor AColor, TFont* AFont) { (void)AColor; (void)AFont; }
  virtual std::string GetEditorValue() { return ""; }
  virtual void SetEditorValue(const std::string& S) { (void)S; }

  // ---- services for concrete links ----
  // The popup form for esPopup (none before the first popup show), else the grid.
  TWinControl* GetParent();
  std::string GetCellValue();
  void SetCellValue(const std::string& S);
  // Stores the value, ends the grid's edit and takes the grid's hook off the control.
  void HideEditor();
  void EditExit(TObject* Sender);
  // The popup form's deactivation.
  void FormExit(TObject* Sender);
  void RestoreWinProc();

  // ---- properties ----
  TExtStringGrid* Grid() const { return FOwner; }
  // X the real column, Y the row.
  TPoint EditCell() const { return FEditCell; }
  TForm* PopupForm() const { return FPopupForm; }
  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
  int PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(int Value) { FPopupLeft = Value; }
  int PopupTop() const { return FPopupTop; }
  void SetPopupTop(int Value) { FPopupTop = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
  // Stored only.
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TExtStringGrid;
  bool isExitKey(uint16_t Key, TShiftState Shift) const;
  // The link itself moves the focus to the grid.
  void forcedFocusMove();
  void showPopup(const TRect& CellRect);

  TExtStringGrid* FOwner = nullptr;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  TEditStyle FEditStyle = esInplace;
  TForm* FPopupForm = nullptr;
  int FPopupWidth = 0;
  int FPopupHeight = 0;
  bool FForcedExit = false;
  TPoint FEditCell{0, 0};
  int FTag = 0;
  bool FAutoPopupWidth = false;
  int FPopupLeft = -1;
  int FPopupTop = -1;
  bool FSubClassed = false;
  // An edit of this link is shown and not yet written back.
  bool FActive = false;
  bool FExiting = false;
  bool FWantReturns = false;
  bool FWantTabs = false;
};
