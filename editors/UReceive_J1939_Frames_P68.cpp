#include "editors/UReceive_J1939_Frames_P68.h"

TFReceive_J1939_Frame_P68* FReceive_J1939_Frame_P68 = nullptr;

TFReceive_J1939_Frame_P68::TFReceive_J1939_Frame_P68(TComponent* AOwner) : TFTableEditor(AOwner, Receive_J1939_Layout(), Receive_J1939_Check) {
  FReceive_J1939_Frame_P68 = this;
}

// The instance name must not outlive the window.
TFReceive_J1939_Frame_P68::~TFReceive_J1939_Frame_P68() {
  if (FReceive_J1939_Frame_P68 == this) FReceive_J1939_Frame_P68 = nullptr;
}
