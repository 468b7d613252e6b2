#include "editors/UParGenFile.h"

#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UTableCheck.h"
#include "editors/UTableFile.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

std::string Text_Or(const TParGenFile& File, const char* Name, const std::string& Default) {
  return File.Value(Name).value_or(Default);
}

// The edit fields the file keeps as typed, with the label the dialog shows
// beside each (a string index, or a text the table does not hold).
struct TTextField {
  std::string TParGenValues::*Value;
  int Label;
  const char* Fixed_Label;
};
const TTextField Text_Fields[] = {
    {&TParGenValues::Can_TimeOut, 41, ""},
    {&TParGenValues::TimeOut_FECA, 0, "Filter FECA (ms)"},
    {&TParGenValues::J1939_Device_ID, 226, ""},
    {&TParGenValues::Profi_ID, 0, "ID Device"},
};

std::string Field_Name(const TTextField& F) { return F.Label ? Trim(Lang_Text(F.Label)) : F.Fixed_Label; }

}  // namespace

TParGenValues Read_Par_Gen_Values(const TParGenFile& File) {
  TParGenValues v;
  int baud = StrToIntDef(Text_Or(File, "Can_Baud", ""), Can_Baud_Default);
  v.Can_Baud = In_Range(baud, 0, Can_Baud_Count - 1) ? baud : Can_Baud_Default;
  v.Can_TimeOut = Text_Or(File, "Can_TimeOut", v.Can_TimeOut);
  v.Can_Peer = Flag_One(File.Value("Can_Peer"));
  v.Filter_FECA = Flag_One(File.Value("Filter_FECA"));
  v.TimeOut_FECA = Text_Or(File, "TimeOut_FECA", v.TimeOut_FECA);
  v.J1939_Device_ID = Text_Or(File, "J1939_Device_ID", v.J1939_Device_ID);
  v.Profi_ID = Text_Or(File, "Profi_ID", v.Profi_ID);
  TProfiChoices profi = Read_Profi_Choices(File);
  v.Profi_Module = profi.Profi_Module;
  v.Profi_Send_J1939 = profi.Profi_Send_J1939;
  return v;
}

void Save_Par_Gen_File(const TParGenValues& V, const std::string& Path) {
  platform::XmlDocument doc;
  platform::XmlNode root = doc.AddRoot("Par_Gen");
  doc.AddComment(Section_Version_Comment);
  auto flag = [](bool b) { return b ? "1" : "0"; };
  const std::pair<const char*, std::string> elements[] = {
      {"Can_Baud", IntToStr(V.Can_Baud)},
      {"Can_TimeOut", V.Can_TimeOut},
      {"Can_Peer", flag(V.Can_Peer)},
      {"Filter_FECA", flag(V.Filter_FECA)},
      {"TimeOut_FECA", V.TimeOut_FECA},
      {"J1939_Device_ID", V.J1939_Device_ID},
      {"Profi_ID", V.Profi_ID},
      {"Profi_Baud", "0"},
      {"Profi_Module", flag(V.Profi_Module)},
      {"Profi_Send_J1939", flag(V.Profi_Send_J1939)},
  };
  for (const auto& [name, text] : elements) root.AddChild(name).SetText(text);
  doc.Save(Path);
}

TParGenCheck Check_Par_Gen(const TParGenValues& V) {
  auto num = [](const std::string& s) { return StrToIntDef(s, -1); };
  int msg = 0;
  if (!In_Range(num(V.Can_TimeOut), 0, 100000)) msg = 58;
  else if (V.Filter_FECA && !In_Range(num(V.TimeOut_FECA), 0, 100000)) msg = 715;
  else if (!In_Range(num(V.J1939_Device_ID), 0, 239)) msg = 370;
  else if (!In_Range(num(V.Profi_ID), 1, 125)) msg = 716;
  if (msg) return {msg, Lang_Text(msg)};
  for (const TTextField& f : Text_Fields)
    if (auto bad = platform::XmlUnsavableChar(V.*f.Value))
      return {Msg_Unsavable_Char, Unsavable_Field_Text(Field_Name(f), *bad)};
  return {};
}
