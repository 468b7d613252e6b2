#pragma once
// The grid library's shared vocabulary: enumerations, sets, event types,
// integer lists and the settings objects the string grid streams with its
// form. Forms store published properties of the enumerations by value name,
// so names and order are part of the stored format: never reorder.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/List.h"
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

// A multi-column sort specification: each entry is a column index in bits 0
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
