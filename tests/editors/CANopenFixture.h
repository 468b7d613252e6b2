#pragma once
// The configurator started with a new project "P" open, for the CANopen and
// mapping dialogs, whose step buttons this build hides: the tests show them
// directly. J1939 frame files are written as the J1939 editors write them.

#include <functional>
#include <string>

#include "tests/editors/TableEditorFixture.h"
#include "toolkit/forms/Forms.h"

class CANopenFixture : public TableEditorFixture {
protected:
  bool Project_Has(const std::string& Name) const { return std::filesystem::exists(dir.Sub("PROJECTS/P/" + Name)); }
  // Shows Form modally and runs Steps in it.
  void Show(TForm* Form, std::function<void()> Steps) {
    Driver.InModal(std::move(Steps));
    Form->ShowModal();
    EXPECT_TRUE(Driver.ScriptDone());
  }
  // Receive frames with the given PGNs (source address 1, no transport protocol).
  void Receive_Frames(const std::string& Rows) const {
    Write_Project_File("J1939_Receive.xml", "<ReceiveNMEA2000>" + Rows + "</ReceiveNMEA2000><!--SW_VERSION = 1.000-->");
  }
  void Transmit_Frames(const std::string& Rows) const {
    Write_Project_File("J1939_Transmit.xml", "<ReceiveNMEA2000>" + Rows + "</ReceiveNMEA2000><!--SW_VERSION = 1.000-->");
  }
  static std::string Rx_Frame(const std::string& PGN, const std::string& TP = "N", const std::string& NumBytes = "") {
    return "<row DataPage=\"0\" PGN=\"" + PGN + "\" SourceAddress=\"3\" TransportProtocol=\"" + TP +
           "\" StartByte=\"0\" NumBytes=\"" + NumBytes + "\" CancelData=\"N\" Mnemonic=\"\"/>";
  }
  static std::string Tx_Frame(const std::string& PGN) {
    return "<row Priority=\"6\" DataPage=\"1\" PGN=\"" + PGN +
           "\" SourceAddress=\"2\" NumByte=\"8\" OnRequest=\"N\" DataChange=\"N\" OnTimer=\"N\" OnTimer_Time=\"1000\" "
           "Mnemonic=\"\"/>";
  }
  // A language file that replaces the texts Entries (index, text), made the language in force.
  void Use_Language(const std::string& Name, const std::vector<std::pair<int, std::string>>& Entries) {
    std::string file;
    for (auto& [index, text] : Entries) file += "STR" + std::to_string(index) + "=" + text + "\n";
    dir.Write("LANGUAGE/" + Name + ".lng", file);
    Language_Name = Name;
    Load_Language();
    main->Change_Language();
  }
};
