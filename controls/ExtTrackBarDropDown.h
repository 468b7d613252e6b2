#pragma once
// A drop-down editor for an integer whose popup holds a horizontal track
// bar. Moving the track bar rewrites the edit, the Up and Down keys step the
// value, and dragging the mouse over the edit changes it without the popup.

#include "controls/ExtDropDown.h"

class TTrackBar;

class TExtTrackBarDropDown : public TExtCustomDropDown {
public:
  explicit TExtTrackBarDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TExtTrackBarDropDown"; }
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  TTrackBar* TrackBar() const { return FTrackBar; }
  TNotifyEvent OnTrackChange;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void EditChanged() override;
  void WMKeyDown(TWMKey& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void TrackChanged();
  bool dragging() const { return FDropDownEnabledDrag && DropDownEnabled() && !EditorEnabled(); }
  TTrackBar* FTrackBar = nullptr;
  int FMax = 10, FMin = 0, FFrequency = 1, FPosition = 0, FPageSize = 2;
  bool FDropDownEnabledDrag = false;
  int FLastX = 0;
};
