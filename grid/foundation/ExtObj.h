#pragma once
// The grid library's shared vocabulary: enumerations, sets, event types,
// integer lists and the settings objects the string grid streams with its
// form. Forms store published properties of the enumerations by value name,
// so names and order are part of the stored format: never reorder.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/List.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/Types.h"
#include "toolkit/rtl/Sets.h"

enum TEditorType {
  edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
  edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric,
  edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase,
  edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
  edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars, edTrackbarDropDown,
  edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
  edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExtGridDropDown,
  edPositiveFloat, edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TSortStyle {
  ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase,
  ssShortDateEU, ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase,
  ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox, ssDateTime, ssTime,
  ssAlphaNumeric, ssAlphaNumericNoCase
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TExtGridButtonStyle { tasButton, tasCheck };
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// Value names in ordinal order, for streaming by name.
template <typename E> struct TEnumNames;

#define QUELIX_ENUM_NAMES(E, ...)                                              \
  template <> struct TEnumNames<E> {                                           \
    static constexpr std::array<std::string_view,                              \
        std::initializer_list<std::string_view>{__VA_ARGS__}.size()> Names{__VA_ARGS__}; \
  };

QUELIX_ENUM_NAMES(TEditorType,
  "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
  "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric",
  "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
  "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn",
  "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars", "edTrackbarDropDown",
  "edMemoDropDown", "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown",
  "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown",
  "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn")
QUELIX_ENUM_NAMES(TCellBorder, "cbTop", "cbLeft", "cbRight", "cbBottom")
QUELIX_ENUM_NAMES(TCellGradientDirection, "GradientVertical", "GradientHorizontal")
QUELIX_ENUM_NAMES(TSortStyle,
  "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase",
  "ssShortDateEU", "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase",
  "ssAnsiAlphaNoCase", "ssRaw", "ssHTML", "ssImages", "ssCheckBox", "ssDateTime", "ssTime",
  "ssAlphaNumeric", "ssAlphaNumericNoCase")
QUELIX_ENUM_NAMES(TVAlignment, "vtaTop", "vtaCenter", "vtaBottom")
QUELIX_ENUM_NAMES(TArrowDirection, "arrUp", "arrDown", "arrLeft", "arrRight")
QUELIX_ENUM_NAMES(TExtGridButtonStyle, "tasButton", "tasCheck")
QUELIX_ENUM_NAMES(TSearchDirection, "sdTopBottom", "sdLeftRight")
QUELIX_ENUM_NAMES(THomeEndAction, "heFirstLastColumn", "heFirstLastRow", "heFirstLastCell")
QUELIX_ENUM_NAMES(TClipboardPasteAction, "paReplace", "paInsert")
QUELIX_ENUM_NAMES(TAdvanceDirection, "adLeftRight", "adTopBottom", "adLeftRightInRow", "adTopBottomInCol")
QUELIX_ENUM_NAMES(TInsertPosition, "pInsertBefore", "pInsertAfter")
QUELIX_ENUM_NAMES(TCursorAdvance, "caDefault", "caSnake", "caLoop")
QUELIX_ENUM_NAMES(TGridFixedCellEdit, "fceNone", "fceDblClick", "fceLeftClick", "fceRightClick")
QUELIX_ENUM_NAMES(TGridFixedCellEditor, "fceEdit", "fceComboEdit", "fceComboList")
QUELIX_ENUM_NAMES(TWheelAction, "waMoveSelection", "waScroll")
QUELIX_ENUM_NAMES(TColumnCalcType,
  "acNONE", "acSUM", "acAVG", "acCOUNT", "acMIN", "acMAX", "acSPREAD", "acCUSTOM", "acDISTINCT", "acSTDDEV")
QUELIX_ENUM_NAMES(TGridSelectionStyle, "ssDefault", "ssVista", "ssWin7", "ssOffice2007")
QUELIX_ENUM_NAMES(THoverRowCell, "hcNormal", "hcFixed", "hcSelected")

#undef QUELIX_ENUM_NAMES

template <typename E>
constexpr int EnumCount() { return static_cast<int>(TEnumNames<E>::Names.size()); }

// The stored name of a value; empty for a value outside the enumeration.
template <typename E>
std::string EnumToName(E v) {
  int i = static_cast<int>(v);
  return i >= 0 && i < EnumCount<E>() ? std::string(TEnumNames<E>::Names[i]) : std::string();
}

// Names are matched case-insensitively, as the form reader does.
template <typename E>
std::optional<E> NameToEnum(std::string_view name) {
  auto same = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      char x = a[i], y = b[i];
      if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
      if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
      if (x != y) return false;
    }
    return true;
  };
  for (int i = 0; i < EnumCount<E>(); ++i)
    if (same(TEnumNames<E>::Names[i], name)) return static_cast<E>(i);
  return std::nullopt;
}

// A set in its stored form: "[hcNormal,hcFixed]".
template <typename E>
std::string SetToNames(TSet<E> s) {
  std::string out = "[";
  for (int i = 0; i < EnumCount<E>(); ++i) {
    if (!s.Contains(static_cast<E>(i))) continue;
    if (out.size() > 1) out += ',';
    out += TEnumNames<E>::Names[i];
  }
  return out + "]";
}

// Reads the stored form back; an unknown name or missing bracket gives nothing.
template <typename E>
std::optional<TSet<E>> NamesToSet(std::string_view text) {
  auto trim = [](std::string_view t) {
    while (!t.empty() && static_cast<unsigned char>(t.front()) <= ' ') t.remove_prefix(1);
    while (!t.empty() && static_cast<unsigned char>(t.back()) <= ' ') t.remove_suffix(1);
    return t;
  };
  text = trim(text);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  text = trim(text.substr(1, text.size() - 2));
  TSet<E> s;
  while (!text.empty()) {
    size_t comma = text.find(',');
    std::string_view item = trim(text.substr(0, comma));
    auto v = NameToEnum<E>(item);
    if (!v) return std::nullopt;
    s.Include(*v);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return s;
}

// ---------------------------------------------------------------------------
// Event types. Row and column come in different orders in different events;
// the order is part of the contract. References carry "var" parameters.

class TBaseGrid;
class TCanvas;
class TBrush;
class TFont;
class TPen;

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TFloatFormatEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TAnchorClickEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent = std::function<void(TObject* Sender, const std::string& str1, const std::string& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)>;
using TGridGradientEvent = std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                              TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen,
                                                TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent = std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::u16string& Value)>;
using DIreViziDidiVuraEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

// ---------------------------------------------------------------------------
// Integer lists.

// A list of 32-bit integers that reports each Add, Delete and entry change
// with the cell it belongs to. Entries live in the pointer slots of TList, so
// the list operations of TList (Count, Exchange, Move, Sort...) apply.
class TIntList : public TList {
public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}
  std::string ClassName() const override { return "TIntList"; }

  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  int Add(int Value);
  void Insert(int Index, int Value);  // fires no OnChange
  void Delete(int Index);
  void DeleteValue(int Value);
  bool HasValue(int Value) const;

  // "3,-1,12"; written as comma text (commas or blanks, quotes group).
  // A non-integer item raises EConvertError, the items before it staying.
  std::string StrValue() const;
  void SetStrValue(const std::string& Value);

  TImageChangeEvent OnChange;

protected:
  void Changed() { if (OnChange) OnChange(this, FCol, FRow); }

private:
  int FCol;
  int FRow;
};

// A multi-column sort order: each entry is a column index in bits 0
// to 30, bit 31 set for descending order, the primary column first.
class TSortIndexList : public TIntList {
public:
  TSortIndexList() : TIntList(0, 0) {}
  std::string ClassName() const override { return "TSortIndexList"; }

  void AddIndex(int ColumnIndex, bool Ascending);
  int FindIndex(int ColumnIndex) const;  // -1 when absent
  void ToggleIndex(int ColumnIndex);
  int GetSortColumns(int i) const;
  void SetSortColumns(int i, int Value);
  bool GetSortDirections(int i) const;  // true: ascending
  void SetSortDirections(int i, bool Value);

  // "u2;d5": u ascending, d descending, then the column index.
  std::string SaveToString() const;
  // Never fails: malformed parts are skipped or read as far as they go.
  void LoadFromString(const std::string& s);
};

// ---------------------------------------------------------------------------
// Settings objects the string grid creates in its constructor and streams
// with its form. Each copies from its own class in Assign without firing
// events (another class raises EConvertError, as every Assign does).

class TExtStringGrid;

// For Assign: the other object when it is of the same class; otherwise the
// framework's Assign raises its conversion error.
template <typename T>
const T* SameClass(T* self, const TPersistent* Source) {
  auto* src = dynamic_cast<const T*>(Source);
  if (!src) self->TPersistent::Assign(Source);
  return src;
}

// A plain property: read Name(), write SetName(v), value kept in F.Name
// (the grid's other settings objects use it too).
#define QUELIX_PLAIN_PROPERTY(T, Name) \
  T Name() const { return F.Name; }     \
  void Set##Name(T v) { F.Name = v; }

class TSearchFooter : public TPersistent {
public:
  // The owner is not kept. With InitDesign the captions and hints get their
  // English defaults, otherwise they start empty.
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  std::string ClassName() const override { return "TSearchFooter"; }
  void Assign(const TPersistent* Source) override;

  bool Visible() const { return F.Visible; }
  void SetVisible(bool v);
  QUELIX_PLAIN_PROPERTY(bool, AutoSearch)
  QUELIX_PLAIN_PROPERTY(bool, AlwaysHighLight)
  bool AutoThemeAdapt() const { return F.AutoThemeAdapt; }
  void SetAutoThemeAdapt(bool v) { F.AutoThemeAdapt = v; Changed(); }
  TColor Color() const { return F.Color; }
  void SetColor(TColor v) { F.Color = v; Changed(); }
  TColor ColorTo() const { return F.ColorTo; }
  void SetColorTo(TColor v) { F.ColorTo = v; Changed(); }
  TFont* Font() { return &FFont; }
  void SetFont(const TFont* v);
  const std::string& FindNextCaption() const { return F.FindNextCaption; }
  void SetFindNextCaption(const std::string& v) { F.FindNextCaption = v; Changed(); }
  const std::string& FindPrevCaption() const { return F.FindPrevCaption; }
  void SetFindPrevCaption(const std::string& v) { F.FindPrevCaption = v; Changed(); }
  const std::string& HighLightCaption() const { return F.HighLightCaption; }
  void SetHighLightCaption(const std::string& v) { F.HighLightCaption = v; Changed(); }
  const std::string& MatchCaseCaption() const { return F.MatchCaseCaption; }
  void SetMatchCaseCaption(const std::string& v) { F.MatchCaseCaption = v; Changed(); }
  const std::string& HintClose() const { return F.HintClose; }
  void SetHintClose(const std::string& v) { F.HintClose = v; Changed(); }
  const std::string& HintFindNext() const { return F.HintFindNext; }
  void SetHintFindNext(const std::string& v) { F.HintFindNext = v; Changed(); }
  const std::string& HintFindPrev() const { return F.HintFindPrev; }
  void SetHintFindPrev(const std::string& v) { F.HintFindPrev = v; Changed(); }
  const std::string& HintHighlight() const { return F.HintHighlight; }
  void SetHintHighlight(const std::string& v) { F.HintHighlight = v; Changed(); }
  bool ShowClose() const { return F.ShowClose; }
  void SetShowClose(bool v) { F.ShowClose = v; Changed(); }
  bool ShowFindNext() const { return F.ShowFindNext; }
  void SetShowFindNext(bool v) { setIfDiffers(F.ShowFindNext, v); }
  bool ShowFindPrev() const { return F.ShowFindPrev; }
  void SetShowFindPrev(bool v) { setIfDiffers(F.ShowFindPrev, v); }
  bool ShowHighLight() const { return F.ShowHighLight; }
  void SetShowHighLight(bool v) { setIfDiffers(F.ShowHighLight, v); }
  bool ShowMatchCase() const { return F.ShowMatchCase; }
  void SetShowMatchCase(bool v) { setIfDiffers(F.ShowMatchCase, v); }
  QUELIX_PLAIN_PROPERTY(int, SearchColumn)
  QUELIX_PLAIN_PROPERTY(bool, SearchActiveColumnOnly)
  QUELIX_PLAIN_PROPERTY(bool, SearchMatchStart)
  QUELIX_PLAIN_PROPERTY(bool, SearchFixedCells)
  QUELIX_PLAIN_PROPERTY(bool, SearchHiddenRows)
  QUELIX_PLAIN_PROPERTY(TSearchDirection, SearchDirection)
  const std::string& LastSearch() const { return F.LastSearch; }
  void SetLastSearch(const std::string& v) { F.LastSearch = v; }

  TNotifyEvent OnChange;

private:
  struct TValues {
    bool Visible = false, AutoSearch = true, AlwaysHighLight = false, AutoThemeAdapt = false;
    TColor Color = RGB(255, 255, 255);
    TColor ColorTo = clBtnFace;
    std::string FindNextCaption, FindPrevCaption, HighLightCaption, MatchCaseCaption;
    std::string HintClose, HintFindNext, HintFindPrev, HintHighlight;
    bool ShowClose = true, ShowFindNext = true, ShowFindPrev = true, ShowHighLight = true, ShowMatchCase = true;
    int SearchColumn = -1;
    bool SearchActiveColumnOnly = false, SearchMatchStart = false, SearchFixedCells = false,
         SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    std::string LastSearch;
  };
  void Changed() { if (OnChange) OnChange(this); }
  void setIfDiffers(bool& field, bool v) {
    if (field == v) return;
    field = v;
    Changed();
  }
  TValues F;
  TFont FFont;
};

class TNavigation : public TPersistent {
public:
  TNavigation() = default;
  std::string ClassName() const override { return "TNavigation"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, AllowInsertRow)
  QUELIX_PLAIN_PROPERTY(bool, AllowDeleteRow)
  QUELIX_PLAIN_PROPERTY(bool, AlwaysEdit)
  QUELIX_PLAIN_PROPERTY(bool, AdvanceOnEnter)
  bool AdvanceInsert() const { return F.AdvanceInsert; }
  void SetAdvanceInsert(bool v);
  QUELIX_PLAIN_PROPERTY(bool, AutoGotoWhenSorted)
  QUELIX_PLAIN_PROPERTY(bool, AutoGotoIncremental)
  QUELIX_PLAIN_PROPERTY(bool, AutoComboDropSize)
  QUELIX_PLAIN_PROPERTY(bool, AllowClipboardShortCuts)
  QUELIX_PLAIN_PROPERTY(bool, AllowSmartClipboard)
  QUELIX_PLAIN_PROPERTY(bool, AllowRTFClipboard)
  QUELIX_PLAIN_PROPERTY(bool, AllowFmtClipboard)
  QUELIX_PLAIN_PROPERTY(bool, AllowClipboardAlways)
  bool AdvanceAuto() const { return F.AdvanceAuto; }
  void SetAdvanceAuto(bool v);
  QUELIX_PLAIN_PROPERTY(bool, AppendOnArrowDown)
  QUELIX_PLAIN_PROPERTY(bool, CursorWalkEditor)
  QUELIX_PLAIN_PROPERTY(bool, CursorMoveRows)
  QUELIX_PLAIN_PROPERTY(bool, MoveRowOnSort)
  QUELIX_PLAIN_PROPERTY(bool, KeepScrollOnSort)
  QUELIX_PLAIN_PROPERTY(bool, MoveScrollOnly)
  QUELIX_PLAIN_PROPERTY(bool, ImproveMaskSel)
  QUELIX_PLAIN_PROPERTY(bool, KeepHorizScroll)
  QUELIX_PLAIN_PROPERTY(bool, LineFeedOnEnter)
  QUELIX_PLAIN_PROPERTY(bool, TabToNextAtEnd)
  QUELIX_PLAIN_PROPERTY(bool, AdvanceOnEnterLoop)
  QUELIX_PLAIN_PROPERTY(bool, AdvanceAutoEdit)
  QUELIX_PLAIN_PROPERTY(bool, AdvanceSkipReadOnlyCells)
  QUELIX_PLAIN_PROPERTY(bool, AllowCtrlEnter)
  QUELIX_PLAIN_PROPERTY(bool, AllowClipboardRowGrow)
  QUELIX_PLAIN_PROPERTY(bool, AllowClipboardColGrow)
  QUELIX_PLAIN_PROPERTY(bool, EditSelectAll)
  QUELIX_PLAIN_PROPERTY(bool, ComboGetUpDown)
  QUELIX_PLAIN_PROPERTY(bool, CursorWalkAlwaysEdit)
  QUELIX_PLAIN_PROPERTY(bool, LeftRightRowSelect)
  QUELIX_PLAIN_PROPERTY(bool, CopyHTMLTagsToClipboard)
  QUELIX_PLAIN_PROPERTY(bool, SkipFixedCells)
  QUELIX_PLAIN_PROPERTY(bool, SkipDisabledRows)
  TAdvanceDirection AdvanceDirection() const { return F.AdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection v);
  QUELIX_PLAIN_PROPERTY(TAdvanceDirection, TabAdvanceDirection)
  QUELIX_PLAIN_PROPERTY(TInsertPosition, InsertPosition)
  QUELIX_PLAIN_PROPERTY(TClipboardPasteAction, ClipboardPasteAction)
  QUELIX_PLAIN_PROPERTY(TCursorAdvance, CursorAdvance)
  QUELIX_PLAIN_PROPERTY(THomeEndAction, HomeEndKey)

  TNotifyEvent OnChange;

private:
  struct TValues {
    bool AllowInsertRow = false, AllowDeleteRow = false, AlwaysEdit = false, AdvanceOnEnter = false,
         AdvanceInsert = false, AutoGotoWhenSorted = false, AutoGotoIncremental = false,
         AutoComboDropSize = false, AllowClipboardShortCuts = false, AllowSmartClipboard = false,
         AllowRTFClipboard = false, AllowFmtClipboard = false, AllowClipboardAlways = false,
         AdvanceAuto = false, AppendOnArrowDown = false, CursorWalkEditor = false, CursorMoveRows = false,
         MoveRowOnSort = false, KeepScrollOnSort = false, MoveScrollOnly = false, ImproveMaskSel = false,
         KeepHorizScroll = false, LineFeedOnEnter = false, TabToNextAtEnd = false;
    bool AdvanceOnEnterLoop = true, AdvanceAutoEdit = true, AdvanceSkipReadOnlyCells = true,
         AllowCtrlEnter = true, AllowClipboardRowGrow = true, AllowClipboardColGrow = true,
         EditSelectAll = true, ComboGetUpDown = true, CursorWalkAlwaysEdit = true,
         LeftRightRowSelect = true, CopyHTMLTagsToClipboard = true, SkipFixedCells = true,
         SkipDisabledRows = true;
    TAdvanceDirection AdvanceDirection = adLeftRight;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    TCursorAdvance CursorAdvance = caDefault;
    THomeEndAction HomeEndKey = heFirstLastColumn;
  };
  void Changed() { if (OnChange) OnChange(this); }
  TValues F;
};

class TMouseActions : public TPersistent {
public:
  explicit TMouseActions(TComponent* AOwner);  // the owner is not kept
  std::string ClassName() const override { return "TMouseActions"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, AllColumnSize)
  QUELIX_PLAIN_PROPERTY(bool, AllRowSize)
  QUELIX_PLAIN_PROPERTY(bool, AllSelect)
  QUELIX_PLAIN_PROPERTY(bool, CaretPositioning)
  QUELIX_PLAIN_PROPERTY(bool, CheckAllCheck)
  QUELIX_PLAIN_PROPERTY(bool, ColSelect)
  QUELIX_PLAIN_PROPERTY(bool, DirectComboClose)
  QUELIX_PLAIN_PROPERTY(bool, DirectComboDrop)
  QUELIX_PLAIN_PROPERTY(bool, DirectDateClose)
  QUELIX_PLAIN_PROPERTY(bool, DirectDateDrop)
  QUELIX_PLAIN_PROPERTY(bool, DirectEdit)
  bool DisjunctRowSelect() const { return F.DisjunctRowSelect; }
  void SetDisjunctRowSelect(bool v);
  QUELIX_PLAIN_PROPERTY(bool, DisjunctRowSelectNoCtrl)
  bool DisjunctColSelect() const { return F.DisjunctColSelect; }
  void SetDisjunctColSelect(bool v);
  bool DisjunctCellSelect() const { return F.DisjunctCellSelect; }
  void SetDisjunctCellSelect(bool v);
  bool EditOnDblClickOnly() const { return F.EditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool v);
  bool HotmailRowSelect() const { return F.HotmailRowSelect; }
  void SetHotmailRowSelect(bool v);
  QUELIX_PLAIN_PROPERTY(bool, MoveRowOnNodeClick)
  QUELIX_PLAIN_PROPERTY(bool, NoAutoRangeScroll)
  QUELIX_PLAIN_PROPERTY(bool, NodeAllExpandContract)
  QUELIX_PLAIN_PROPERTY(bool, NoScrollOnPartialRow)
  QUELIX_PLAIN_PROPERTY(bool, PreciseCheckBoxCheck)
  QUELIX_PLAIN_PROPERTY(bool, RangeSelectAndEdit)
  QUELIX_PLAIN_PROPERTY(bool, RowSelect)
  QUELIX_PLAIN_PROPERTY(bool, RowSelectPersistent)
  QUELIX_PLAIN_PROPERTY(bool, SelectOnRightClick)
  QUELIX_PLAIN_PROPERTY(bool, SizeFixedCol)
  QUELIX_PLAIN_PROPERTY(bool, SizeFixedRow)
  QUELIX_PLAIN_PROPERTY(bool, AutoSizeColOnDblClick)
  QUELIX_PLAIN_PROPERTY(bool, PreciseNodeClick)
  QUELIX_PLAIN_PROPERTY(TGridFixedCellEdit, FixedRowsEdit)
  QUELIX_PLAIN_PROPERTY(TGridFixedCellEdit, FixedColsEdit)
  QUELIX_PLAIN_PROPERTY(TGridFixedCellEditor, FixedRowsEditor)
  QUELIX_PLAIN_PROPERTY(TGridFixedCellEditor, FixedColsEditor)
  QUELIX_PLAIN_PROPERTY(int, WheelIncrement)
  TWheelAction WheelAction() const { return F.WheelAction; }
  void SetWheelAction(TWheelAction v);
  TStringList* FixedComboValues() { return &FFixedComboValues; }
  void SetFixedComboValues(const TStrings* v) { FFixedComboValues.Assign(v); }
  // DisjunctRowSelect without the setter's rule.
  bool DisjunctRowSelectDirect() const { return F.DisjunctRowSelect; }
  void SetDisjunctRowSelectDirect(bool v) { F.DisjunctRowSelect = v; }

  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnDisableEdit;

private:
  struct TValues {
    bool AllColumnSize = false, AllRowSize = false, AllSelect = false, CaretPositioning = false,
         CheckAllCheck = false, ColSelect = false, DirectComboClose = false, DirectComboDrop = false,
         DirectDateClose = false, DirectDateDrop = false, DirectEdit = false, DisjunctRowSelect = false,
         DisjunctRowSelectNoCtrl = false, DisjunctColSelect = false, DisjunctCellSelect = false,
         EditOnDblClickOnly = false, HotmailRowSelect = false, MoveRowOnNodeClick = false,
         NoAutoRangeScroll = false, NodeAllExpandContract = false, NoScrollOnPartialRow = false,
         PreciseCheckBoxCheck = false, RangeSelectAndEdit = false, RowSelect = false,
         RowSelectPersistent = false, SelectOnRightClick = false, SizeFixedCol = false, SizeFixedRow = false;
    bool AutoSizeColOnDblClick = true, PreciseNodeClick = true;
    TGridFixedCellEdit FixedRowsEdit = fceNone, FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit, FixedColsEditor = fceEdit;
    int WheelIncrement = 0;
    TWheelAction WheelAction = waMoveSelection;
  };
  bool isDesigning();
  // At design time only one kind of disjunct selection is on.
  void keepOneDisjunct(bool TValues::*chosen);
  TValues F;
  TStringList FFixedComboValues;
};

class TSyncGrid : public TPersistent {
public:
  explicit TSyncGrid(TExtStringGrid* AOwner) : FOwner(AOwner) {}
  std::string ClassName() const override { return "TSyncGrid"; }
  void Assign(const TPersistent* Source) override;

  TExtStringGrid* Grid() const { return FGrid; }
  void SetGrid(TExtStringGrid* v) { if (v != FOwner) FGrid = v; }  // never the own grid
  QUELIX_PLAIN_PROPERTY(bool, ScrollVertical)
  QUELIX_PLAIN_PROPERTY(bool, ScrollHorizontal)
  QUELIX_PLAIN_PROPERTY(bool, SelectionColumn)
  QUELIX_PLAIN_PROPERTY(bool, SelectionRow)
  QUELIX_PLAIN_PROPERTY(bool, MoveColumn)
  QUELIX_PLAIN_PROPERTY(bool, MoveRow)

private:
  struct TValues {
    bool ScrollVertical = false, ScrollHorizontal = false, SelectionColumn = false, SelectionRow = false,
         MoveColumn = false, MoveRow = false;
  };
  TExtStringGrid* FOwner;
  TExtStringGrid* FGrid = nullptr;
  TValues F;
};

class TBands : public TPersistent {
public:
  TBands() = default;
  std::string ClassName() const override { return "TBands"; }
  void Assign(const TPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool v);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor v);
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int v);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor v);
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int v);
  bool Print() const { return FPrint; }
  void SetPrint(bool v) { FPrint = v; }
  int TotalLength() const { return FPrimaryLength + FSecondaryLength; }
  // The band colour of a normal row, counted from the first row after the
  // fixed rows; clNone when bands are off.
  TColor RowColor(int Row, int FixedRows) const;

  TNotifyEvent OnChange;

private:
  // Stores a changed value; only active bands tell their owner.
  template <typename T>
  void setWhileActive(T& field, T v) {
    if (field == v) return;
    field = v;
    if (FActive && OnChange) OnChange(this);
  }
  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  int FPrimaryLength = 1;
  TColor FSecondaryColor = clWindow;
  int FSecondaryLength = 1;
  bool FPrint = false;
};

class TFocusHelper : public TPersistent {
public:
  explicit TFocusHelper(TComponent* AOwner) { (void)AOwner; }  // the owner is not kept
  std::string ClassName() const override { return "TFocusHelper"; }
  void Assign(const TPersistent* Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }

private:
  bool FEnabled = false;
};


// ---------------------------------------------------------------------------
// Control list, line list and file picture.

class TControl;

class TControlItem {
public:
  TControlItem(int AX, int AY, TControl* AObject) : X(AX), Y(AY), Control(AObject) {}
  int X;              // the cell's column
  int Y;              // the cell's row
  TControl* Control;  // not owned
};

// Which control is embedded in which cell. Owns its items, not the controls.
class TControlList : public TObject {
public:
  std::string ClassName() const override { return "TControlList"; }
  int Count() const { return static_cast<int>(FItems.size()); }
  void AddControl(int X, int Y, TControl* AObject);
  int ControlIndex(int X, int Y) const;  // the first item of that cell; -1 when none
  TControlItem* GetControl(int i) const;  // raises EListError outside the list
  void RemoveControl(int i);
  // True when some item's control is a windowed control with that window.
  bool HasHandle(const void* Handle) const;

private:
  std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A string list read and written line by line, like a text file.
class TFileStringList : public TStringList {
public:
  std::string ClassName() const override { return "TFileStringList"; }
  void Reset() { fp = 0; cache.clear(); }
  bool Eof() const { return fp >= Count(); }
  // Raises the list's index error at the end; callers test Eof first.
  void ReadLn(std::string& s) { s = Strings(fp); ++fp; }
  void Write(const std::string& s) { cache += s; }
  void WriteLn(const std::string& s) {
    Add(cache + s);
    cache.clear();
  }

private:
  int fp = 0;
  std::string cache;
};

// A picture kept only as a file name and read from the file whenever it is
// measured or drawn.
class TFilePicture : public TPersistent {
public:
  std::string ClassName() const override { return "TFilePicture"; }
  void Assign(const TPersistent* Source) override;

  const std::string& Filename() const { return FFilename; }
  // Reads the file for its size; the loader's errors reach the caller.
  void SetFilename(const std::string& Value);
  // A file and its size as stored elsewhere, without reading the file.
  void SetStoredFile(const std::string& Name, int AWidth, int AHeight) {
    FFilename = Name;
    FWidth = AWidth;
    FHeight = AHeight;
  }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Draws the picture stretched into r. A file that cannot be read draws
  // nothing: this runs inside a paint.
  void DrawPicture(TCanvas* Canvas, const TRect& r) const;

private:
  std::string FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
