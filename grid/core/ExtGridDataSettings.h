#pragma once
// Settings objects of the grid's data operations: sorting, filtering, the
// filter drop-down and the floating footer. The grid creates and owns them;
// the data operations give them their properties and behaviour.

#include <string>

#include "grid/core/ExtGridTypes.h"
#include "grid/data/GridFilter.h"
#include "grid/data/SortSettings.h"
#include "toolkit/rtl/Classes.h"

class TFilterDropDown : public TPersistent {
public:
  TFilterDropDown() = default;
  std::string ClassName() const override { return "TFilterDropDown"; }
  TNotifyEvent OnChange;
};

class TFloatingFooter : public TPersistent {
public:
  TFloatingFooter() = default;
  std::string ClassName() const override { return "TFloatingFooter"; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }

private:
  bool FVisible = false;
};
