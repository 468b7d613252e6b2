#include "editors/UDefine_RPDO.h"

#include "base/UComon.h"

TFDefine_RPDO* FDefine_RPDO = nullptr;

TFDefine_RPDO::TFDefine_RPDO(TComponent* AOwner) : TFDefine_PDO(AOwner, RPDO_Layout(), RPDO_Check, &Path_J1939_Transmit) {
  FDefine_RPDO = this;
}

// The instance name must not outlive the window.
TFDefine_RPDO::~TFDefine_RPDO() {
  if (FDefine_RPDO == this) FDefine_RPDO = nullptr;
}
