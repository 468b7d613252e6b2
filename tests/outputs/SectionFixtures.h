#pragma once
// Small hand-written section files for the output tests: a project folder in
// a temp folder with ParGen.xml, J1939_Receive.xml and J1939_Transmit.xml as
// the editors write them.

#include <string>

#include "base/UComon.h"
#include "tests/base/TempFolder.h"

// A receive row; Extra holds further attributes as written in the file.
inline std::string Rx_Row(const std::string& PGN, const std::string& TP = "N", const std::string& NumBytes = "",
                          const std::string& Extra = "") {
  return "<row DataPage=\"0\" PGN=\"" + PGN + "\" SourceAddress=\"1\" TransportProtocol=\"" + TP +
         "\" StartByte=\"0\" NumBytes=\"" + NumBytes + "\" CancelData=\"N\" " + Extra + " Mnemonic=\"m\"/>";
}

inline std::string Tx_Row(const std::string& PGN = "256", const std::string& Extra = "") {
  return "<row Priority=\"6\" DataPage=\"0\" PGN=\"" + PGN + "\" SourceAddress=\"2\" NumByte=\"8\" " + Extra +
         " Mnemonic=\"t\"/>";
}

inline std::string Repeat(const std::string& Row, int Count) {
  std::string s;
  for (int i = 0; i < Count; ++i) s += Row;
  return s;
}

inline std::string Table_File(const std::string& Rows) {
  return "<ReceiveNMEA2000>" + Rows + "</ReceiveNMEA2000><!--SW_VERSION = 1.000-->";
}

inline std::string Par_Gen_File(const std::string& Elements) {
  return "<Par_Gen>" + Elements + "</Par_Gen><!--SW_VERSION = 1.000-->";
}

inline std::string Profi_Choices(const char* Module, const char* Send) {
  return std::string("<Profi_Module>") + Module + "</Profi_Module><Profi_Send_J1939>" + Send + "</Profi_Send_J1939>";
}

// A project "P" in a fresh folder, made the open project.
class TProjectFixture {
public:
  TProjectFixture() {
    Reset_Comon();
    Init_Working_Folders(dir.Path());
    Project_Name = "P";
    Project_Folder = Join_Path(Projects_Folder, "P");
    std::filesystem::create_directories(Project_Folder);
    Set_Files();
  }
  ~TProjectFixture() { Reset_Comon(); }

  void Par_Gen(const std::string& Elements) const { dir.Write("PROJECTS/P/ParGen.xml", Par_Gen_File(Elements)); }
  void Receive(const std::string& Rows) const { dir.Write("PROJECTS/P/J1939_Receive.xml", Table_File(Rows)); }
  void Transmit(const std::string& Rows) const { dir.Write("PROJECTS/P/J1939_Transmit.xml", Table_File(Rows)); }

  TTempFolder dir;
};
