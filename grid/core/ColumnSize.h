#pragma once
// Where and whether the grid keeps its column sizes, and how a column
// stretches to fill the grid. The grid owns one; column layout persistence
// and stretching read it.

#include <string>

#include "grid/foundation/ExtObj.h"

enum TColumnSizeLocation { clRegistry, clIniFile };
// The rows a column's auto-size measures: all, the normal ones, or the fixed ones.
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public TPersistent {
public:
  TColumnSize() = default;
  std::string ClassName() const override { return "TColumnSize"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, Save)
  QUELIX_PLAIN_PROPERTY(std::string, Key)
  QUELIX_PLAIN_PROPERTY(std::string, Section)
  QUELIX_PLAIN_PROPERTY(TColumnSizeLocation, Location)
  bool Stretch() const { return F.Stretch; }
  void SetStretch(bool v) {
    F.Stretch = v;
    if (OnStretchChange) OnStretchChange(this);
  }
  QUELIX_PLAIN_PROPERTY(int, StretchColumn)
  QUELIX_PLAIN_PROPERTY(bool, StretchAll)
  QUELIX_PLAIN_PROPERTY(bool, SynchWithGrid)
  QUELIX_PLAIN_PROPERTY(bool, SynchNormalCellsOnly)
  QUELIX_PLAIN_PROPERTY(TAutoSizeRows, Rows)

  // The grid re-runs its column stretching.
  TNotifyEvent OnStretchChange;

private:
  struct TValues {
    bool Save = false;
    std::string Key, Section;
    TColumnSizeLocation Location = clRegistry;
    bool Stretch = false;
    int StretchColumn = -1;
    bool StretchAll = false, SynchWithGrid = false, SynchNormalCellsOnly = false;
    TAutoSizeRows Rows = arAll;
  };
  TValues F;
};
