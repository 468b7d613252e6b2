#pragma once
// The one object a cell can carry besides its text, and the two small
// settings objects of node glyphs and of growing the editor while typing.
// The cell objects' own code fills in their behaviour.

#include <string>

#include "grid/core/ExtGridTypes.h"
#include "toolkit/rtl/Classes.h"

class TCellGraphic : public TPersistent {
public:
  TCellGraphic() = default;
  std::string ClassName() const override { return "TCellGraphic"; }

  TCellType CellType = ctNone;
  TObject* CellBitmap = nullptr;
  TObject* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  std::string CellText;
};

// Look of node (outline) glyphs.
class TCellNode : public TPersistent {
public:
  TCellNode() = default;
  std::string ClassName() const override { return "TCellNode"; }
};

// Which way the in-place editor grows while typing.
class TSizeWhileTyping : public TPersistent {
public:
  TSizeWhileTyping() = default;
  std::string ClassName() const override { return "TSizeWhileTyping"; }
  bool Height = false;
  bool Width = false;
};
