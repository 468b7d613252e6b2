#include "editors/UTransmit_J1939_Frame_Atmel_P75.h"

#include "base/UComon.h"
#include "editors/UJ1939_Frame_Tables.h"
#include "editors/UJ1939_Line_Tables.h"

TFTransmit_J1939_Frame_Atmel_P75* FTransmit_J1939_Frame_Atmel_P75 = nullptr;

TTableLayout Transmit_J1939_P75_Layout() {
  TTableTexts texts;
  texts.Caption = 667, texts.Desc = 668, texts.Btn_OK = 669, texts.Btn_Cancel = 670, texts.Btn_DelRow = 671;
  texts.Btn_InsRow = 672, texts.Row_Prefix = 679, texts.Delete_Question = 684;
  return Table_Layout("COBID", &Path_J1939_Transmit, t5PGN, Line_Table_Rows, texts, 774,
                      {
                          Column("", 673, 40, clWindow),
                          Column("Priority", 674, 65, Col_Blue),
                          Column("DP", 675, 65, Col_Blue, tcList, {"0", "1"}),
                          Column("PGN", 676, 75, Col_Blue),
                          Column("ID_DEV", 677, 95, Col_Blue),
                          Column("Mnemonic", 678, 410, Col_White),
                      });
}

TTableCheck Transmit_J1939_P75_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) { return Frame_Identity_Rule(c, t5Priority, r, 680); };
  return Check_Table(Transmit_J1939_P75_Layout(), Cells, rule);
}

TFTransmit_J1939_Frame_Atmel_P75::TFTransmit_J1939_Frame_Atmel_P75(TComponent* AOwner)
    : TTableEditorWindow(AOwner, Transmit_J1939_P75_Layout(), Transmit_J1939_P75_Check,
                         FTransmit_J1939_Frame_Atmel_P75) {}
