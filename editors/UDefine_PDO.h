#pragma once
// The CANopen PDO editors: each PDO row names a COB-ID, a size, a start byte
// and one J1939 frame, picked from the frames of the project's J1939 file.
// The transmit PDOs (CANopen_TPDO.xml) carry frames the converter receives,
// the receive PDOs (CANopen_RPDO.xml) frames it transmits. Frames are named
// in the file by their position in the J1939 file.

#include <string>
#include <vector>

#include "editors/UJ1939_Frame_List.h"
#include "editors/UTableEditor.h"

// Columns both PDO tables begin with.
enum TPDOCol { pcNumber, pcCOB_ID, pcDimension, pcOffset, pcFrame_J1939 };
// The transmit table's further columns.
enum TTPDOCol { tpoDataChange = 5, tpoOnCAN, tpoOnTimer, tpoSendTimer, tpoMnemonic };
inline constexpr int rpoMnemonic = 5;

inline constexpr int PDO_Rows = 10;

TTableLayout TPDO_Layout();
TTableLayout RPDO_Layout();
TTableCheck TPDO_Check(const TTableCells& Cells);
TTableCheck RPDO_Check(const TTableCells& Cells);

// The drop-down entry of frame Position (from 1): "3;256;3;".
std::string Frame_Entry(int Position, const TJ1939_Frame_Info& Frame);
// The frame position an entry names: the number before its first ";", 0
// when there is none.
int Entry_Position(const std::string& Entry);

class TFDefine_PDO : public TFTableEditor {
public:
  TFDefine_PDO(TComponent* AOwner, const TTableLayout& Layout, TTableRules Rules, std::string* Frame_Path);
  std::string ClassName() const override { return "TFDefine_PDO"; }

  // The frames offered, the same entries as the drop-down list of the J1939 Frame column.
  std::vector<std::string> SL;

protected:
  TTableLoad Load_Cells(TTableCells& Cells) override;
  void Save_Cells(const TTableCells& Cells) override;

private:
  void Load_Frame_List(TTableLoad& Load);
  void Show_References(TTableCells& Cells, TTableLoad& Load) const;
  std::string* frame_path_;
};
