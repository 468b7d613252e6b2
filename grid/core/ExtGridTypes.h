#pragma once
// The string grid's own vocabulary on top of the foundation's: the
// enumerations its published properties take, the grid's exception and the
// event types its hooks fire. Forms store enumerations by value name, so
// names and order are part of the stored format: never reorder.

#include <functional>
#include <string>

#include "grid/foundation/ExtObj.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/Exceptions.h"

// Range and type errors of the grid's accessors.
QUELIX_EXCEPTION(EExtGridError, Exception)

enum TGridLook { glStandard, glSoft, glClassic, glQGS, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TColumnPopupType {
  cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
  cpAllCellsLClick
};

// The kind of object a cell carries besides its text.
enum TCellType {
  ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
  ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
  ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
  ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// How a row came to be hidden; unhiding one kind never restores another.
enum class THiddenRowKind { Manual, Filter, Node };

class TCellGraphic;

// ---- events of the per-cell hooks (Sender is the grid; var parameters by reference)
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::u16string& hintstr)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TComboEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const std::string& Value, int ACol, int ARow, int SearchAction)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TGetEditTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double ADateTime)>;
using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TFixedDropDownClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                                                    bool& KeepFixedCellHighlighted)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const std::string& FriendlyName, std::string& FilterCondition)>;
using TKeyPressCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, char& Key)>;
using TGridKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
