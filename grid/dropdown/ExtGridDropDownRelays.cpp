// The popup grid's events passed on to the drop-down's OnGrid... events: one
// table row per event, hooked at every drop-down.

#include "controls/ExtDropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

using D = TCustomExtGridDropDown;
using G = TExtStringGrid;
using Hook = void (*)(D&, G&);

// The grid's event fires the drop-down's with the same arguments.
template <auto GridEvent, auto DropDownEvent>
void Plain(D& d, G& g) {
  g.*GridEvent = [&d](auto&&... a) {
    if (auto& e = d.*DropDownEvent) e(std::forward<decltype(a)>(a)...);
  };
}

// The same while the popup keeps from closing, for events that may open
// windows of their own.
template <auto GridEvent, auto DropDownEvent>
void Blocking(D& d, G& g) {
  g.*GridEvent = [&d](auto&&... a) {
    TDropDownForm* f = d.DropDownForm();
    if (f != nullptr) f->SetBlockActivate(true);
    auto unblock = MakeScopeGuard([f] {
      if (f != nullptr) f->SetBlockActivate(false);
    });
    if (auto& e = d.*DropDownEvent) e(std::forward<decltype(a)>(a)...);
  };
}

// Hooked only when the drop-down's event is assigned (custom drawing).
template <auto GridEvent, auto DropDownEvent>
void IfAssigned(D& d, G& g) {
  if (d.*DropDownEvent) Plain<GridEvent, DropDownEvent>(d, g);
  else g.*GridEvent = nullptr;
}

void Alignment(D& d, G& g) {
  g.OnGetAlignment = [&d](TObject* s, int ARow, int ACol, TAlignment& H, TVAlignment& V) {
    if (ACol < d.Columns()->Count()) H = d.Columns()->Items(ACol)->Alignment();
    if (d.OnGridGetAlignment) d.OnGridGetAlignment(s, ARow, ACol, H, V);
  };
}

void CellColor(D& d, G& g) {
  g.OnGetCellColor = [&d](TObject* s, int ARow, int ACol, TGridDrawState St, TBrush* B, TFont* Fn) {
    if (ACol < d.Columns()->Count()) B->SetColor(d.Columns()->Items(ACol)->Color());
    if (d.OnGridGetCellColor) d.OnGridGetCellColor(s, ARow, ACol, St, B, Fn);
  };
}

void FloatFormat(D& d, G& g) {
  g.OnGetFloatFormat = [&d](TObject* s, int ACol, int ARow, bool& IsFloat, std::string& Format) {
    Format.clear();
    if (d.OnGridGetFloatFormat) d.OnGridGetFloatFormat(s, ACol, ARow, IsFloat, Format);
  };
}

void TopLeft(D& d, G& g) {
  g.OnTopLeftChanged = [&d](TObject*) {
    if (d.OnGridTopLeftChanged) d.OnGridTopLeftChanged(&d);
  };
}

// The first move after each drop-down re-arms the grid's balloons, so that
// they show in the popup.
void MouseMove(D& d, G& g) {
  g.OnMouseMove = [&d, &g](TObject* s, TShiftState Shift, int X, int Y) {
    if (!d.BalloonArmed()) {
      if (g.Balloon()->Enable()) {
        g.Balloon()->SetEnable(false);
        g.Balloon()->SetEnable(true);
      }
      d.SetBalloonArmed();
    }
    if (d.OnGridMouseMove) d.OnGridMouseMove(s, Shift, X, Y);
  };
}

// In the order of the drop-down's relay operations; the key-down, key-press,
// compare and spin events are raised by the drop-down itself, and the sort
// events are taken over by it after this table.
constexpr Hook Relays[] = {
    Blocking<&G::OnAnchorClick, &D::OnGridAnchorClick>,
    Plain<&G::OnAnchorEnter, &D::OnGridAnchorEnter>,
    Plain<&G::OnAnchorExit, &D::OnGridAnchorExit>,
    Plain<&G::OnAnchorHint, &D::OnGridAnchorHint>,
    Blocking<&G::OnButtonClick, &D::OnGridButtonClick>,
    Plain<&G::OnCanSort, &D::OnGridCanSort>,
    Plain<&G::OnClickSort, &D::OnGridClickSort>,
    Plain<&G::OnColumnSize, &D::OnGridColumnSize>,
    Plain<&G::OnColumnSizing, &D::OnGridColumnSizing>,
    Plain<&G::OnEndColumnSize, &D::OnGridEndColumnSize>,
    Plain<&G::OnRowSize, &D::OnGridRowSize>,
    Plain<&G::OnRowSizing, &D::OnGridRowSizing>,
    Plain<&G::OnEndRowSize, &D::OnGridEndRowSize>,
    Plain<&G::OnRowMove, &D::OnGridRowMove>,
    Plain<&G::OnRowMoving, &D::OnGridRowMoving>,
    Plain<&G::OnRowMoved, &D::OnGridRowMoved>,
    Plain<&G::OnColumnMove, &D::OnGridColumnMove>,
    Plain<&G::OnColumnMoving, &D::OnGridColumnMoving>,
    Plain<&G::OnColumnMoved, &D::OnGridColumnMoved>,
    IfAssigned<&G::OnCustomCellDraw, &D::OnGridCustomCellDraw>,
    IfAssigned<&G::OnCustomCellBkgDraw, &D::OnGridCustomCellBkgDraw>,
    Plain<&G::OnCellBalloon, &D::OnGridCellBalloon>,
    Alignment,
    CellColor,
    Plain<&G::OnGetCellGradient, &D::OnGridGetCellGradient>,
    FloatFormat,
    Plain<&G::OnGetEditorType, &D::OnGridGetEditorType>,
    Plain<&G::OnGetEditorProp, &D::OnGridGetEditorProp>,
    Plain<&G::OnCanEditCell, &D::OnGridCanEditCell>,
    Blocking<&G::OnEllipsClick, &D::OnGridEllipsClick>,
    Plain<&G::OnGetDisplText, &D::OnGridGetDiplText>,
    Plain<&G::OnGetFormat, &D::OnGridGetFormat>,
    Plain<&G::OnGridHint, &D::OnGridHint>,
    MouseMove,
    Plain<&G::OnMouseDown, &D::OnGridMouseDown>,
    Plain<&G::OnMouseUp, &D::OnGridMouseUp>,
    Plain<&G::OnKeyUp, &D::OnGridKeyUp>,
    Plain<&G::OnRightClickCell, &D::OnGridRightClickCell>,
    Plain<&G::OnScrollHint, &D::OnGridScrollHint>,
    TopLeft,
    Plain<&G::OnSearchEditChange, &D::OnGridSearchEditChange>,
    Plain<&G::OnAutoAddRow, &D::OnGridAutoAddRow>,
    Plain<&G::OnAutoInsertRow, &D::OnGridInsertRow>,
    Plain<&G::OnAutoInsertCol, &D::OnGridInsertCol>,
    Plain<&G::OnAutoDeleteRow, &D::OnGridDeleteRow>,
    Plain<&G::OnCanAddRow, &D::OnGridCanAddRow>,
    Plain<&G::OnCanInsertRow, &D::OnGridCanInsertRow>,
    Plain<&G::OnCanDeleteRow, &D::OnGridCanDeleteRow>,
    Plain<&G::OnCheckBoxClick, &D::OnGridCheckBoxClick>,
};

}  // namespace

void TCustomExtGridDropDown::relayGridEvents() {
  if (FExtColGrid == nullptr) return;
  for (Hook h : Relays) h(*this, *FExtColGrid);
}
