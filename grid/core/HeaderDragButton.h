#pragma once
// The floating header button that follows the pointer while a column or row
// of the string grid is moved: a raised face with the moved header's text.

#include <string>

#include "toolkit/forms/Controls.h"

class THeaderDragButton : public TCustomControl {
public:
  // AOwner is the grid; the button starts hidden.
  explicit THeaderDragButton(TWinControl* AOwner);
  std::string ClassName() const override { return "THeaderDragButton"; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

private:
  std::string FCaption;
};
