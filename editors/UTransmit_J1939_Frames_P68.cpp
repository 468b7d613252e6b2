#include "editors/UTransmit_J1939_Frames_P68.h"

TFTransmit_J1939_Frame_P68* FTransmit_J1939_Frame_P68 = nullptr;

TFTransmit_J1939_Frame_P68::TFTransmit_J1939_Frame_P68(TComponent* AOwner) : TFTableEditor(AOwner, Transmit_J1939_Layout(), Transmit_J1939_Check) {
  FTransmit_J1939_Frame_P68 = this;
}

// The instance name must not outlive the window.
TFTransmit_J1939_Frame_P68::~TFTransmit_J1939_Frame_P68() {
  if (FTransmit_J1939_Frame_P68 == this) FTransmit_J1939_Frame_P68 = nullptr;
}
