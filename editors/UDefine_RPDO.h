#pragma once
// The receive PDOs, each tied to a J1939 frame the converter transmits.

#include "editors/UDefine_PDO.h"

class TFDefine_RPDO : public TFDefine_PDO {
public:
  explicit TFDefine_RPDO(TComponent* AOwner);
  ~TFDefine_RPDO() override;
  std::string ClassName() const override { return "TFDefine_RPDO"; }
};

extern TFDefine_RPDO* FDefine_RPDO;
