#pragma once
// The floating footer's panel under the string grid: it draws the grid's
// last row (the footer row with the column calculations), a preview of one
// column of the current row, a template filled from the current row, or
// leaves the drawing to OnFooterPaint.

#include <functional>

#include "toolkit/forms/std/Containers.h"

class TExtStringGrid;

class TFooterPanel : public TCustomPanel {
public:
  explicit TFooterPanel(TExtStringGrid* AGrid);
  std::string ClassName() const override { return "TFooterPanel"; }
  // The displayed column under X (client pixels); -1 past the last one.
  int ColumnAt(int X) const;
  std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)> OnFooterPaint;

protected:
  // The panel takes the footer's height and tells the grid it exists.
  void CreateWnd() override;
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The hint of the footer cell under the pointer, asked of OnGridHint.
  void CMHintShow(TCMHintShow& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TCMControlMsg& Message) override;

private:
  int usedWidth() const;
  void paintFixedLastRow(TCanvas* C);
  void paintPreview(TCanvas* C);
  TExtStringGrid* FGrid;
  int FLastHintX = -1;  // the column whose hint shows, -1 none
};
