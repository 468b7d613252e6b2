#pragma once
// The transmit PDOs, each tied to a J1939 frame the converter receives.

#include "editors/UDefine_PDO.h"

class TFDefine_TPDO : public TFDefine_PDO {
public:
  explicit TFDefine_TPDO(TComponent* AOwner);
  ~TFDefine_TPDO() override;
  std::string ClassName() const override { return "TFDefine_TPDO"; }
};

extern TFDefine_TPDO* FDefine_TPDO;
