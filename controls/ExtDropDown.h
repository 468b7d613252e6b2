#pragma once
// The drop-down edit base: a single-line edit with a drop button inside its
// right edge, an optional caption label, a typed value (DropDownValue.h) and
// a popup (ExtDropDownForm.h) that shows a header, one member's control and a
// footer. The nine drop-down editors derive from it and override the
// protected operations below.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/DropDownValue.h"
#include "controls/ExtDropDownAppearance.h"
#include "controls/ExtDropDownButton.h"
#include "controls/ExtDropDownUtil.h"
#include "grid/foundation/ExtStyleIF.h"
#include "toolkit/forms/std/MaskEdit.h"

class TLabel;
class TDropDownForm;
class TImageList;
class TItemAppearance;
class TExtDropDownTest;

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

using TDropDown = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;

class TExtCustomDropDown : public TCustomMaskEdit, public IQGSStyle, public IQGSTones {
public:
  // The drop-down's own clipboard event (the grid's has no value); kept in the
  // class so that both can be seen together.
  using TClipboardEvent = std::function<void(TObject* Sender, const std::string& Value, bool& Allow)>;
  // Where the attached caption label stands (this unit's own fifteen places;
  // the editor controls have a set of their own). The thirteenth keeps its
  // stored name.
  enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
  };

  explicit TExtCustomDropDown(TComponent* AOwner);
  ~TExtCustomDropDown() override;
  std::string ClassName() const override { return "TExtCustomDropDown"; }
  void Assign(const TPersistent* Source) override;

  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
  void SelectAll() { FValue.SelectAll(); }
  void SelectBeforeDecimal() { FValue.SelectBeforeDecimal(); }
  void SelectAfterDecimal() { FValue.SelectAfterDecimal(); }
  TQGSStyle GetComponentStyle() const { return FQGSStyle; }
  void SetComponentStyle(TQGSStyle AStyle) override;
  void SetColorTones(const TColorTones& ATones) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TDropDownEditButton* Button() const { return FButton; }
  bool DroppedDown() const { return FDroppedDown; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  // The value (prefix and suffix removed) and its writer.
  std::string Text() const { return FValue.Value(); }
  void SetText(const std::string& Value) { DoSetText(Value); }

  // ---- properties the members publish
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  TColor DropDownBorderColor() const { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
  int DropDownBorderWidth() const { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
  bool DropDownShadow() const { return FDropDownShadow; }
  void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(int Value);
  TDropPosition DropPosition() const { return FDropPosition; }
  void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
  int DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(int Value);
  const std::string& DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const std::string& Value);
  TBitmap* DropDownButtonGlyph() const { return FButton->Glyph(); }
  void SetDropDownButtonGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  bool DropDownSizeable() const { return FDropDownSizeable; }
  void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  std::string Version() const;
  void SetVersion(const std::string&) {}
  TExtButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(const TExtButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(const THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(const TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value);
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(const TFont* Value);
  TLabel* Label() const { return FLabel; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
  int Precision() const { return FValue.Precision; }
  void SetPrecision(int Value) { FValue.SetPrecision(Value); }
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }

  TDropDown OnDropDown;
  TDropUp OnDropUp;
  TNotifyEvent OnBeforeDropDown;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;

  // ---- protected properties, read and written by the members and the grid's cell editors
  TDropDownEditType EditType() const { return FValue.EditType; }
  void SetEditType(TDropDownEditType Value);
  const std::string& Prefix() const { return FValue.Prefix; }
  void SetPrefix(const std::string& Value) { FValue.Prefix = Value; }
  const std::string& Suffix() const { return FValue.Suffix; }
  void SetSuffix(const std::string& Value) { FValue.Suffix = Value; }
  int LengthLimit() const { return FValue.LengthLimit; }
  void SetLengthLimit(int Value) { FValue.LengthLimit = Value; }
  bool Signed() const { return FValue.Signed; }
  void SetSigned(bool Value) { FValue.Signed = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool AllowNumericNullValue() const { return FValue.AllowNumericNullValue; }
  void SetAllowNumericNullValue(bool Value) { FValue.AllowNumericNullValue = Value; }
  bool DefaultHandling() const { return FDefaultHandling; }
  void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
  bool CanUndoValue() const { return FCanUndo; }
  void SetCanUndoValue(bool Value) { FCanUndo = Value; }
  bool ExcelStyleDecimalSeparator() const { return FValue.ExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FValue.ExcelStyleDecimalSeparator = Value; }
  const std::string& ValidChars() const { return FValue.ValidChars; }
  void SetValidChars(const std::string& Value) { FValue.ValidChars = Value; }
  bool AutoThousandSeparator() const { return FValue.AutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value) { FValue.AutoThousandSeparator = Value; }
  bool FocusDraw() const { return FFocusDraw; }
  void SetFocusDraw(bool Value) { FFocusDraw = Value; }
  bool ForceShadow() const { return FForceShadow; }
  void SetForceShadow(bool Value) { FForceShadow = Value; }
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  void SetSelectionColorStyleValue(TSelectionColorStyle Value) { SetSelectionColorStyle(Value); }
  TColor DropDownColorTo() const { return FDropDownColorTo; }
  void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
  TGradientDirection DropDownGradient() const { return FDropDownGradient; }
  void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value);
  double FloatValue() const { return FValue.FloatValue(); }
  void SetFloatValue(double Value) { FValue.SetFloatValue(Value); }
  void SetIntValue(int Value) { FValue.SetIntValue(Value); }
  bool IsModified() const { return FValue.Modified(); }
  void SetIsModified(bool Value) { FValue.SetModified(Value); }
  const std::string& OldText() const { return FValue.OldText; }
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardPaste;
  TClipboardEvent OnClipboardCut;
  TNotifyEvent OnBeforeDropUp;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  // ---- the protected contract, public where the popup's parts call it
  virtual void DoShowDropDown();
  virtual void DoHideDropDown(bool Cancel);
  virtual void AfterHideDropDown();
  virtual void DropDownResized() {}
  virtual void DropDownFormDestroyed() {}
  virtual void PopupMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void PopupMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void PopupKeyPress(char& Key);
  virtual void PopupKeyDown(uint16_t& Key, TShiftState Shift);
  virtual void PopupKeyUp(uint16_t& Key, TShiftState Shift);
  virtual void ControlKeyDown(uint16_t& Key, TShiftState Shift) { PopupKeyDown(Key, Shift); }
  virtual void ControlKeyUp(uint16_t& Key, TShiftState Shift) { PopupKeyUp(Key, Shift); }
  virtual void ControlKeyPress(char& Key) { PopupKeyPress(Key); }
  virtual void DrawSelectionBackground(TCanvas* Canvas, const TRect& Rect, TColor CornerColor, int CornerKind);
  void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect,
                        TGradientDirection Direction);
  // The drop-down's shared value model (the grid's editors read the caret rules through it).
  TDropDownValue& ValueModel() { return FValue; }

protected:
  virtual void DoLabelClick();
  virtual void DoLabelDblClick();
  virtual uint32_t GetVersionNr() const { return 0x01020104; }
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void BeforeDropDown();
  virtual void AdjustDropDownHeight(int&) {}
  virtual void SetDropDownFocus();
  virtual void PlaceDropDownControl();
  virtual void SetDropDownSize();
  // Called after the control's own wheel handling and by the popup's wheel relays.
  virtual void DoMouseWheelDown() {}
  virtual void DoMouseWheelUp() {}
  virtual void PaintFocusedEdit();
  virtual void SetEditRect();
  virtual void UpdateButtonBounds();
  virtual void DoSetText(const std::string& Value) { FValue.SetText(Value); }
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
  // The hot and selected cell colours of a component style, for the members
  // whose popup is an item selector; nothing for no appearance.
  static void SetItemAppearanceStyle(TItemAppearance* Appearance, TQGSStyle AStyle);
  int EditRectWidth() const { return FEditRect.Width(); }
  // The edit text written as it stands.
  void SetTextDirect(const std::string& Value) { FValue.SetTextDirect(Value); }
  // The next popup takes its own size again instead of the one it was left with.
  void ForgetUserDropDownSize() { FUserDropDownWidth = FUserDropDownHeight = -1; }

  void Change() override;
  // The edit's change notification once the value let it through; members extend it.
  virtual void EditChanged();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  void EditChar(char Key) override;
  void WndProc(TMessage& Message) override;
  void WMKeyUp(TWMKey& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMMouseEnter(TCMControlMsg& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void BoundsChanged() override;
  void CreateWnd() override;

  TDropDownForm* FDropDownForm = nullptr;
  TDropDownEditButton* FButton = nullptr;
  TDropDownValue FValue;
  bool FDroppedDown = false;

private:
  friend class TExtDropDownTest;
  void buttonClick();
  void placeLabel();
  void drawBorders();
  void appearanceChanged();
  void popupToggle();
  bool hot() const;
  void postKey(UINT Msg, uint16_t Key);
  void relayToEdit(UINT Msg, WPARAM Key);
  void cutToClipboard();
  void copyToClipboard();
  void pasteFromClipboard();

  TLabel* FLabel = nullptr;
  bool FParentFnt = false;
  int FDropDownWidth = 0;
  int FDropDownHeight = 0;
  int FUserDropDownWidth = -1;
  int FUserDropDownHeight = -1;
  bool FEditorEnabled = true;
  TDropPosition FDropPosition = dpAuto;
  bool FFlat = false;
  TImageList* FImages = nullptr;
  bool FDropDownShadow = true;
  int FDropDownBorderWidth = 1;
  std::string FButtonHint;
  TColor FDropDownColorTo = clNone;
  TColor FDropDownColor = TColor(0xFFFFFF);
  TColor FDropDownBorderColor = TColor(0);
  int FButtonWidth = 17;
  bool FMouseInControl = false;
  bool FEtched = false;
  TWinControl* FFocusControl = nullptr;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TExtButtonAppearance> FButtonAppearance;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  TControl* FControl = nullptr;
  TGradientDirection FDropDownGradient = gdHorizontal;
  bool FDropDownSizeable = true;
  TColor FSelectionColor = clNone, FSelectionColorTo = clNone;
  TSelectionColorStyle FSelectionColorStyle = scCustom;
  bool FReturnIsTab = false;
  bool FDefaultHandling = true;
  bool FCanUndo = true;
  bool FBlockCopy = false;
  bool FButtonDown = false;
  int FButtonDownPos = -1;
  TRect FEditRect;
  bool FDropDownEnabled = false;
  bool FFocusDraw = true;
  bool FForceShadow = false;
  TQGSStyle FQGSStyle = tsOffice2007Luna;
  int FLabelMargin = 4;
  TLabelPosition FLabelPosition = lpLeftTop;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  std::unique_ptr<TFont> FLabelFont;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = true;
  bool FRelaying = false;
  bool FPlacingControl = false;
  bool FKeypadChar = false;
};

// The label's top-left corner for the drop-down's fifteen label places.
TPoint DropDownLabelOrigin(TExtCustomDropDown::TLabelPosition Position, const TRect& Control, int TextWidth,
                           TPoint LabelSize, int Margin);
