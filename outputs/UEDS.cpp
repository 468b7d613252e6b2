#include "outputs/UEDS.h"

#include <optional>

#include "base/UComon.h"
#include "outputs/UOutputFileName.h"
#include "outputs/USectionFiles.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

const char* const EDS_Created_By = "info@quelix.example";
const char* const EDS_Modified_By = "info@quelix.example";
const char* const EDS_Product_Name = "Quelix J1939 / CANopen Converter";

namespace {

constexpr int Default_COB_ID = 513;
constexpr int Max_COB_ID = 0x7FF;
constexpr int Max_Dimension = 8;

// Letters of the application variables by PDO position.
constexpr const char* Receive_Letters = "bcdefghjki";
constexpr const char* Transmit_Letters = "lmnopqrstu";

std::string Row_Text(const std::string& Path, size_t Row) {
  return ExtractFileName(Path) + ": row " + IntToStr(int(Row) + 1);
}

// The number of a required attribute; Fallback when it is no number, or
// an error when Fallback is none.
int Row_Number(const TSectionTable& Table, size_t Row, const std::string& Name, std::optional<int> Fallback) {
  std::string text = Table.Required(Row, Name);
  int value = 0;
  if (TryStrToInt(text, value)) return value;
  if (Fallback) return *Fallback;
  throw ESectionFileError(Row_Text(Table.Path, Row) + ": \"" + Name + "\" is \"" + text + "\", not a number");
}

int Ranged(const TSectionTable& Table, size_t Row, const std::string& Name, int Value, int Low, int High) {
  if (Value >= Low && Value <= High) return Value;
  throw ESectionFileError(Row_Text(Table.Path, Row) + ": \"" + Name + "\" is " + IntToStr(Value) + ", outside " +
                          IntToStr(Low) + " to " + IntToStr(High));
}

class TEDSLines {
public:
  void Line(const std::string& s = "") { text_ += s + "\r\n"; }
  void Pair(const std::string& Key, const std::string& Value) { Line(Key + "=" + Value); }
  void Lines(std::initializer_list<const char*> lines) {
    for (const char* s : lines) Line(s);
  }
  // A record or array header.
  void Record(const std::string& Section, int Subs, const std::string& Name, const char* Type) {
    Line("[" + Section + "]");
    Pair("SubNumber", IntToStr(Subs));
    Pair("ParameterName", Name);
    Pair("ObjectType", Type);
    Line();
  }
  // A variable; no DefaultValue line when Default is empty.
  void Variable(const std::string& Section, const std::string& Name, const char* Data_Type, const char* Access,
                const std::string& Default, int Mapping = 0, bool Empty_After = true) {
    Line("[" + Section + "]");
    Pair("ParameterName", Name);
    Pair("ObjectType", "0x07");
    Pair("DataType", Data_Type);
    Pair("AccessType", Access);
    if (!Default.empty()) Pair("DefaultValue", Default);
    Pair("PDOMapping", IntToStr(Mapping));
    if (Empty_After) Line();
  }
  std::string Take() { return std::move(text_); }

private:
  std::string text_;
};

std::string Hex(uint64_t Value, int Digits) { return IntToHex(Value, Digits); }
std::string Sub(const std::string& Section, int k) { return Section + "sub" + IntToStr(k); }
int R(const TEDS_Data& d) { return int(d.Receive.size()); }
int T(const TEDS_Data& d) { return int(d.Transmit.size()); }

void Write_Info(TEDSLines& e, const TEDS_Data& d) {
  e.Line("[FileInfo]");
  e.Lines({"FileName=s1.eds", "FileVersion=1", "FileRevision=0", "EDSVersion=4.0",
           "Description=Example for CANopen Library.", "CreationTime=12:09PM", "CreationDate=08-15-2005"});
  e.Pair("CreatedBy", EDS_Created_By);
  e.Lines({"ModificationTime=12:01PM", "ModificationDate=12-09-2013"});
  e.Pair("ModifiedBy", EDS_Modified_By);
  e.Line();
  e.Line("[DeviceInfo]");
  e.Lines({"VendorName=Vornak GmbH", "VendorNumber=0x34"});
  e.Pair("ProductName", EDS_Product_Name);
  e.Lines({"ProductNumber=0x80015", "RevisionNumber=0x0", "OrderCode=0564/1", "BaudRate_10=1", "BaudRate_20=1",
           "BaudRate_50=1", "BaudRate_125=1", "BaudRate_250=1", "BaudRate_500=1", "BaudRate_800=0",
           "BaudRate_1000=1", "DynamicChannelsSupported=0", "GroupMessaging=0", "LSS_Supported=0", "Granularity=0",
           "SimpleBootUpSlave=1", "SimpleBootUpMaster=0"});
  e.Pair("NrOfRXPDO", IntToStr(R(d)));
  e.Pair("NrOfTXPDO", IntToStr(T(d)));
  e.Line();
  e.Lines({"[Comments]", "Lines=0", ""});
  e.Line("[DummyUsage]");
  for (int k = 1; k <= 7; ++k) e.Line("Dummy000" + IntToStr(k) + "=0");
  e.Line();
  e.Lines({"[MandatoryObjects]", "SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018", ""});
}

void Write_Object_Lists(TEDSLines& e, const TEDS_Data& d) {
  e.Line("[OptionalObjects]");
  e.Pair("SupportedObjects", IntToStr(5 + 3 * R(d) + 3 * T(d)));
  e.Lines({"1=0x1005", "2=0x1006", "3=0x1008", "4=0x1017", "5=0x1280"});
  int n = 6;
  auto run = [&](int Base, int Count) {
    for (int i = 0; i < Count; ++i) e.Pair(IntToStr(n++), "0x" + Hex(uint64_t(Base + i), 4));
  };
  run(0x1400, R(d)), run(0x1600, R(d)), run(0x1800, T(d)), run(0x1A00, T(d)), run(0x6000, R(d)), run(0x6050, T(d));
  e.Line();
  e.Lines({"[ManufacturerObjects]", "SupportedObjects=0", ""});
}

void Write_Fixed_Objects(TEDSLines& e) {
  e.Variable("1000", "Device Type", "0x0007", "const", "0x0000000");
  e.Variable("1001", "Error Register", "0x0005", "ro", "0x00");
  e.Variable("1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
  e.Variable("1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
  e.Variable("1008", "Manufacturer Device Name", "0x0009", "const", "s1");
  e.Variable("1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
  e.Record("1018", 5, "Identity Object", "0x09");
  e.Variable("1018sub0", "number of entries", "0x0005", "ro", "0x4");
  e.Variable("1018sub1", "Vendor Id", "0x0007", "ro", "");
  e.Variable("1018sub2", "Product Code", "0x0007", "ro", "");
  e.Variable("1018sub3", "Revision number", "0x0007", "ro", "");
  e.Variable("1018sub4", "Serial number", "0x0007", "ro", "");
  e.Record("1280", 4, "Client SDO Parameter 1", "0x09");
  e.Variable("1280sub0", "Number of Entries", "0x0005", "ro", "0x03");
  e.Variable("1280sub1", "COB-ID Client -> Server", "0x0007", "rw", "");
  e.Variable("1280sub2", "COB-ID Server -> Client", "0x0007", "rw", "");
  e.Variable("1280sub3", "Node ID of the SDO Server", "0x0005", "rw", "", 0, false);
}

// The name of a receive object ends in its number from the second PDO on,
// that of a transmit object always.
std::string PDO_Name(const std::string& Name, bool Receive, int i) {
  return (Receive && i == 0) ? Name : Name + " " + IntToStr(i + 1);
}

void Write_Communication(TEDSLines& e, const std::vector<TPDO_Entry>& PDOs, bool Receive) {
  for (int i = 0; i < int(PDOs.size()); ++i) {
    std::string s = Hex(uint64_t(Receive ? 0x1400 : 0x1800) + uint64_t(i), 4);
    std::string kind = Receive ? "Receive" : "Transmit";
    e.Record(s, 4, PDO_Name(kind + " PDO Communication Parameter", Receive, i), "0x09");
    e.Variable(Sub(s, 0), "Number of Entries", "0x0005", "ro", "0x03");
    // A transmit PDO's COB-ID carries bit 30.
    std::string cob = Receive ? "0x" + Hex(PDOs[size_t(i)].COB_ID, 8) : "0x4" + Hex(PDOs[size_t(i)].COB_ID, 7);
    e.Variable(Sub(s, 1), "COB-ID", "0x0007", "rw", cob);
    e.Variable(Sub(s, 2), "Transmission Type", "0x0005", "rw", "0xFE");
    e.Variable(Sub(s, 3), "Inhibit Time", "0x0006", "rw", "0x0");
  }
}

void Write_Mapping(TEDSLines& e, const std::vector<TPDO_Entry>& PDOs, bool Receive) {
  for (int i = 0; i < int(PDOs.size()); ++i) {
    int dim = PDOs[size_t(i)].Dimension;
    std::string s = Hex(uint64_t(Receive ? 0x1600 : 0x1A00) + uint64_t(i), 4);
    std::string kind = Receive ? "Receive" : "Transmit";
    e.Record(s, dim + 1, PDO_Name(kind + " PDO Mapping Parameter", Receive, i), "0x09");
    e.Variable(Sub(s, 0), "Number of Entries", "0x0005", "ro", "0x0" + IntToStr(dim));
    std::string object = std::string(Receive ? "0x600" : "0x605") + IntToStr(i);
    for (int k = 1; k <= dim; ++k)
      e.Variable(Sub(s, k), "Mapping Entry " + IntToStr(k), "0x0007", "ro", object + "0" + IntToStr(k) + "08");
  }
}

void Write_Application(TEDSLines& e, const std::vector<TPDO_Entry>& PDOs, bool Receive) {
  for (int i = 0; i < int(PDOs.size()); ++i) {
    int dim = PDOs[size_t(i)].Dimension;
    std::string s = (Receive ? "600" : "605") + IntToStr(i);
    e.Record(s, dim + 1, (Receive ? "RPDO" : "TPDO") + IntToStr(i + 1), "0x08");
    const char* access = (Receive && i < 2) ? "ro" : "rw";
    e.Variable(Sub(s, 0), "Number of Entries", "0x0005", access, "0x" + IntToStr(dim));
    char letter = (Receive ? Receive_Letters : Transmit_Letters)[i];
    for (int k = 1; k <= dim; ++k)
      e.Variable(Sub(s, k), std::string(1, letter) + IntToStr(k), "0x0005", Receive ? "rww" : "rwr", "0x0", 1);
  }
}

void Write_SDO_Objects(TEDSLines& e, const std::vector<SDO_Index>& SDOs) {
  for (const SDO_Index& o : SDOs)
    for (const SDO_Sub_Type& s : o.Sub_Indexs) {
      e.Line("[" + Hex(o.Index, 4) + "sub" + IntToStr(s.Sub) + "]");
      e.Lines({"ParameterName=Application Variable", "ObjectType=0x7"});
      int digits = s.Quantity == 2 ? 2 : s.Quantity == 1 ? 4 : 8;
      e.Pair("DataType", s.Quantity == 2 ? "0x0005" : s.Quantity == 1 ? "0x0006" : "0x0007");
      e.Pair("LowLimit", "0x" + std::string(size_t(digits), '0'));
      e.Pair("HighLimit", "0x" + std::string(size_t(digits), 'F'));
      e.Pair("DefaultValue", "0x" + std::string(size_t(digits), '0'));
      e.Pair("AccessType", s.Readonly ? "ro" : "rw");
      e.Line("PDOMapping=0");
      e.Line();
    }
}

}  // namespace

int Find_SDO_Index(const std::vector<SDO_Index>& SDOs, uint16_t Index) {
  for (size_t i = 0; i < SDOs.size(); ++i)
    if (SDOs[i].Index == Index) return int(i);
  return -1;
}

std::vector<TPDO_Entry> Load_PDO_List(const std::string& Path) {
  std::vector<TPDO_Entry> list;
  TSectionTable table = Load_Section_Table(Path);
  for (size_t r = 0; r < table.Rows.size() && list.size() < size_t(EDS_Max_PDO); ++r) {
    int cob = Ranged(table, r, "COB-ID", Row_Number(table, r, "COB-ID", Default_COB_ID), 0, Max_COB_ID);
    int dim = Row_Number(table, r, "Dimension", Max_Dimension);
    Ranged(table, r, "Dimension", dim, 0, INT32_MAX);
    list.push_back({uint16_t(cob), uint8_t(std::min(dim, Max_Dimension))});
  }
  return list;
}

void Load_SDO_List(const std::string& Path, bool Readonly, std::vector<SDO_Index>& SDOs) {
  TSectionTable table = Load_Section_Table(Path);
  for (size_t r = 0; r < table.Rows.size(); ++r) {
    int index = Ranged(table, r, "Index", Row_Number(table, r, "Index", std::nullopt), 0, 0xFFFF);
    int sub = Ranged(table, r, "SubIndex", Row_Number(table, r, "SubIndex", std::nullopt), 0, 0xFF);
    int size = Ranged(table, r, "Dimension", Row_Number(table, r, "Dimension", std::nullopt), 0, 0xFF);
    int at = Find_SDO_Index(SDOs, uint16_t(index));
    if (at < 0) {
      SDOs.push_back({uint16_t(index), {}});
      at = int(SDOs.size()) - 1;
    }
    std::vector<SDO_Sub_Type>& subs = SDOs[size_t(at)].Sub_Indexs;
    for (const SDO_Sub_Type& s : subs)
      if (s.Sub == sub)
        throw ESectionFileError(Row_Text(Path, r) + ": the object 0x" + Hex(uint64_t(index), 4) + " sub-index " +
                                IntToStr(sub) + " is defined twice among the server objects");
    subs.push_back({uint8_t(sub), uint8_t(size), Readonly, ""});
  }
}

TEDS_Data Read_EDS_Data() {
  TEDS_Data d;
  d.Receive = Load_PDO_List(Path_CANopen_RPDO);
  d.Transmit = Load_PDO_List(Path_CANopen_TPDO);
  Load_SDO_List(Path_CANopen_Define_Server_SDO_Read, true, d.SDOs);
  Load_SDO_List(Path_CANopen_Define_Server_SDO_Write, false, d.SDOs);
  return d;
}

std::string Build_EDS_Text(const TEDS_Data& Data) {
  TEDSLines e;
  Write_Info(e, Data);
  Write_Object_Lists(e, Data);
  Write_Fixed_Objects(e);
  Write_Communication(e, Data.Receive, true);
  Write_Mapping(e, Data.Receive, true);
  Write_Communication(e, Data.Transmit, false);
  Write_Mapping(e, Data.Transmit, false);
  Write_Application(e, Data.Receive, true);
  Write_Application(e, Data.Transmit, false);
  Write_SDO_Objects(e, Data.SDOs);
  e.Line();
  return e.Take();
}

std::string EDS_File_Name(const std::string& Chosen) { return Output_File_Name(Chosen, ".eds"); }

bool Create_EDS_File(const std::string& FileName, std::string* Error) {
  try {
    WriteFileAtomic(FileName, Build_EDS_Text(Read_EDS_Data()));
    return true;
  } catch (const Exception& e) {
    if (Error) *Error = e.Message();
    return false;
  }
}
