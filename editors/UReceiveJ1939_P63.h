#pragma once
// The receive J1939 table of variant P63: like the general line's, but a
// frame without transport protocol may pass on a part of its 8 bytes.

#include "editors/UJ1939_Line_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

TTableLayout Receive_J1939_P63_Layout();
TTableCheck Receive_J1939_P63_Check(const TTableCells& Cells);

class TFReceive_J1939_P63 : public TTableEditorWindow<TFReceive_J1939_P63> {
public:
  explicit TFReceive_J1939_P63(TComponent* AOwner);
  std::string ClassName() const override { return "TFReceive_J1939_P63"; }
};

extern TFReceive_J1939_P63* FReceive_J1939_P63;
