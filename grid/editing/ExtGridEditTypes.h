#pragma once
// The editing code's vocabulary shared with the string grid's header: the
// event types of editing, validation, cell changes and the clipboard, and
// what the special editors get of the cell they are shown over.

#include <functional>
#include <string>

#include "grid/editing/EditFilters.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Types.h"

class TEditLink;
class TStrings;

using TCellValidateWideEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::u16string& Value, bool& Valid)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, TObject* AObject)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TClipboardAfterPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
// A header or footer button of a drop-down editor (ACol displayed).
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
// The form controls inside HTML cells (ACol as the event says: displayed in the list event, real in the others).
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
                       const std::string& CtrlVal, TStrings* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const std::string& CtrlID, const std::string& CtrlValue)>;
using TControlEditDoneEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                                                 const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlClickEvent = TControlEditDoneEvent;  // a press on a control, with its value before the press
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& NewUnit)>;
// The colour picker editor: a chosen colour and its text (changeable when written back).
using TColorSelectedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor& AColor, std::string& AText)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor AColor, const std::string& AText)>;
// The image picker editor: the chosen item, and the image index it gives the cell (changeable).
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ItemIndex)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& ImageIndex)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;

// The cell a special editor is shown over: its rectangle, the editor's size
// (the grid line kept free), where its value goes and how the cell is painted.
struct TSpecialEditorFrame {
  TRect Rect;
  int Width = 0;
  int Height = 0;
  int RealCol = 0;
  int Row = 0;
  TColor Color = clWindow;
  TFont Font;
};
