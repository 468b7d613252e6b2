#include "editors/UDefine_TPDO.h"

#include "base/UComon.h"

TFDefine_TPDO* FDefine_TPDO = nullptr;

TFDefine_TPDO::TFDefine_TPDO(TComponent* AOwner) : TFDefine_PDO(AOwner, TPDO_Layout(), TPDO_Check, &Path_J1939_Receive) {
  FDefine_TPDO = this;
}

// The instance name must not outlive the window.
TFDefine_TPDO::~TFDefine_TPDO() {
  if (FDefine_TPDO == this) FDefine_TPDO = nullptr;
}
