#pragma once
// The receive J1939 table of the general product line, kept in
// J1939_Receive.xml under the root ReceiveJ1939.

#include "editors/UJ1939_Line_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

TTableLayout ReceiveJ1939_Layout();
TTableCheck ReceiveJ1939_Check(const TTableCells& Cells);

class TFReceiveJ1939 : public TTableEditorWindow<TFReceiveJ1939> {
public:
  explicit TFReceiveJ1939(TComponent* AOwner);
  std::string ClassName() const override { return "TFReceiveJ1939"; }
};

extern TFReceiveJ1939* FReceiveJ1939;
