// Every CANopen and mapping window is made at start-up and takes the texts
// of each language the program ships (and of a language file the test
// writes) when the language changes.
#include <gtest/gtest.h>

#include "editors/UDefineJ1939Map.h"
#include "editors/UDefine_Client_SDO.h"
#include "editors/UDefine_NodeGuard.h"
#include "editors/UDefine_RPDO.h"
#include "editors/UDefine_Server_SDO.h"
#include "editors/UDefine_TPDO.h"
#include "outputs/UBootSerForm.h"
#include "outputs/UBootTCPForm.h"
#include "tests/editors/CANopenFixture.h"

namespace fs = std::filesystem;

namespace {

struct TWindowTexts {
  const char* Name;
  std::function<TShellDialog*()> Form;
  int Caption;
  int Desc;
  int Ok;
};

std::vector<TWindowTexts> Windows() {
  return {
      {"DefineRecJ1939", [] { return FDefineRecJ1939; }, 114, 115, 131},
      {"DefineTransJ1939", [] { return FDefineTransJ1939; }, 137, 138, 157},
      {"Define_TPDO", [] { return FDefine_TPDO; }, 500, 501, 511},
      {"Define_RPDO", [] { return FDefine_RPDO; }, 433, 434, 441},
      {"Server_SDO_Read", [] { return FDefine_Server_SDO_Read; }, 451, 452, 470},
      {"Server_SDO_Write", [] { return FDefine_Server_SDO_Write; }, 475, 476, 495},
      {"Client_SDO", [] { return FDefine_Client_SDO; }, 379, 380, 391},
      {"NodeGuard", [] { return FDefine_NodeGuard; }, 403, 404, 417},
  };
}

class CANopenLanguage : public CANopenFixture {
protected:
  void Expect_Texts(const std::string& Language) {
    for (const TWindowTexts& w : Windows()) {
      SCOPED_TRACE(std::string(w.Name) + " in " + Language);
      TShellDialog* f = w.Form();
      ASSERT_NE(f, nullptr);
      EXPECT_EQ(f->Caption(), Lang_Text(w.Caption));
      EXPECT_EQ(f->L_SW_Desc->Caption(), Lang_Text(w.Desc));
      EXPECT_EQ(f->Btn_OK->Caption(), Lang_Text(w.Ok));
      EXPECT_EQ(f->L_SW_Code->Caption(), SW_Code);
    }
  }
};

TEST_F(CANopenLanguage, EveryWindowTakesEachLanguage) {
  Expect_Texts("the built-in texts");
  EXPECT_EQ(FDefine_RPDO->Caption(), "Define Receive PDO");
  fs::copy_file(Shipped_Language_Folder() / "English.lng", dir.Sub("LANGUAGE/English.lng"),
                fs::copy_options::overwrite_existing);
  Language_Name = "English";
  Load_Language();
  main->Change_Language();
  Expect_Texts("English.lng");
  std::vector<std::pair<int, std::string>> italian;
  for (const TWindowTexts& w : Windows())
    for (int i : {w.Caption, w.Desc, w.Ok}) italian.push_back({i, "IT " + std::to_string(i)});
  italian.push_back({440, "Nota"});
  italian.push_back({122, "Byte alto"});
  italian.push_back({150, "Falso"});
  italian.push_back({135, "Nessuno"});
  italian.push_back({381, "Richiesta lettura"});
  italian.push_back({411, "Trame J1939"});
  italian.push_back({686, "Aggiorna via seriale"});
  italian.push_back({302, "Aggiorna via rete"});
  italian.push_back({309, "Firmware IT"});
  Use_Language("Italiano", italian);
  Expect_Texts("Italiano");
  EXPECT_EQ(FDefine_RPDO->Caption(), "IT 433");
  EXPECT_EQ(FDefine_RPDO->sga->Cells(5, 0), "Nota");
  EXPECT_EQ(FDefineRecJ1939->Field_Labels[2]->Caption(), "Byte alto");
  EXPECT_EQ(FDefineTransJ1939->CB_SendJ1939_OnModWrite->Items()->Strings(0), "Falso");
  EXPECT_EQ(FDefineRecJ1939->CB_Byte_High_Part->Items()->Strings(0), "Nessuno");
  EXPECT_EQ(FDefine_Client_SDO->L_Title_Row[0]->Caption(), "Richiesta lettura");
  EXPECT_EQ(FDefine_NodeGuard->L_NG_J1939_Title2->Caption(), "Trame J1939");
  // The network wizard follows; the serial wizard keeps the texts of start-up.
  EXPECT_EQ(FBootTCP->Caption(), "Aggiorna via rete");
  EXPECT_EQ(FBootTCP->CB_Firmware->Caption(), "Firmware IT");
  EXPECT_EQ(FBootSer->Caption(), "Update Device by Serial");
}

}  // namespace
