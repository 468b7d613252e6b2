#include "outputs/Usavebincc.h"

#include <algorithm>
#include <optional>

#include "base/UComon.h"
#include "outputs/USectionFiles.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

TPar_Bin Par_Bin;
std::array<TBin_J1939_Rx, Bin_Frame_Count> Bin_J1939_Rx;
std::array<TBin_J1939_Tx, Bin_Frame_Count> Bin_J1939_Tx;
std::vector<uint8_t> Bin_Buffer;

namespace {

// Device addresses of the two frame tables: the image sits at 0x68000.
constexpr uint32_t Image_Base_Addr = 0x68000;

uint32_t U32(int64_t v) { return static_cast<uint32_t>(v); }

// A number the image needs from a row: the attribute must be there; a text
// that is no number gives 0. The range was checked when the file was read.
int64_t Required_Number(const TSectionTable& table, size_t row, const char* name) {
  table.Required(row, name);
  return table.Rows[row].Number_Or(name, 0);
}

size_t Frame_Rows(const TSectionTable& table) {
  return std::min(table.Rows.size(), static_cast<size_t>(Bin_Frame_Count));
}

void Load_Rx_Frames(const TSectionTable& table) {
  uint64_t total = 0;
  Par_Bin.Rx_Count = static_cast<uint32_t>(Frame_Rows(table));
  for (size_t i = 0; i < Par_Bin.Rx_Count; ++i) {
    const TSectionRow& row = table.Rows[i];
    TBin_J1939_Rx& e = Bin_J1939_Rx[i];
    // Read in file order, so that the first missing attribute is the one reported.
    int64_t data_page = Required_Number(table, i, "DataPage");
    int64_t pgn = Required_Number(table, i, "PGN");
    e.Identifier = J1939_Identifier(0, data_page, pgn, Required_Number(table, i, "SourceAddress"));
    bool tp = Flag_Y(table.Required(i, "TransportProtocol"));
    e.Flags = static_cast<uint8_t>((tp ? 1 : 0) | (Flag_Y(table.Required(i, "CancelData")) ? 2 : 0) |
                                   (Flag_Y(row.Attr("OnRequest")) ? 4 : 0));
    // Both within 0 to 1785, so 30 frames sum to less than 65536.
    e.StartByte = tp ? static_cast<uint16_t>(Required_Number(table, i, "StartByte")) : 0;
    e.NumBytes = tp ? static_cast<uint16_t>(Required_Number(table, i, "NumBytes")) : 8;
    e.Offset = static_cast<uint16_t>(total);
    total += e.NumBytes;
    e.OnReq_Time = U32(row.Number_Or("OnReq_Time", 0));
  }
  Par_Bin.Rx_Data_Len = static_cast<uint32_t>(total);
}

void Load_Tx_Frames(const TSectionTable& table) {
  Par_Bin.Tx_Count = static_cast<uint32_t>(Frame_Rows(table));
  for (size_t i = 0; i < Par_Bin.Tx_Count; ++i) {
    const TSectionRow& row = table.Rows[i];
    TBin_J1939_Tx& e = Bin_J1939_Tx[i];
    int64_t priority = Required_Number(table, i, "Priority");
    int64_t data_page = Required_Number(table, i, "DataPage");
    int64_t pgn = Required_Number(table, i, "PGN");
    e.Identifier = J1939_Identifier(priority, data_page, pgn, Required_Number(table, i, "SourceAddress"));
    e.Flags = static_cast<uint8_t>((Flag_Y(row.Attr("OnRequest")) ? 1 : 0) | (Flag_Y(row.Attr("DataChange")) ? 2 : 0) |
                                   (Flag_Y(row.Attr("OnTimer")) ? 4 : 0));
    e.OnTimer_Time = U32(row.Number_Or("OnTimer_Time", 1000));
    e.NumByte = static_cast<uint16_t>(row.Number_Or("NumByte", 8));
    e.Offset = static_cast<uint16_t>(8 * i);
  }
  Par_Bin.Tx_Data_Len = 8 * Par_Bin.Tx_Count;
}

class TByteWriter {
public:
  explicit TByteWriter(std::vector<uint8_t>& out) : out_(out) {}
  void U8(uint32_t v) { out_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) { U8(v), U8(v >> 8); }
  void U32(uint32_t v) { U16(v), U16(v >> 16); }
  void Zero(size_t n) { out_.insert(out_.end(), n, 0); }

private:
  std::vector<uint8_t>& out_;
};

void Write_Par_Bin(TByteWriter& w) {
  const TPar_Bin& p = Par_Bin;
  w.U32(p.Can_Baud), w.U32(p.Can_Baud), w.U32(p.Fixed_9600), w.Zero(16);
  w.U32(p.Fixed_1000), w.U32(p.Fixed_100), w.Zero(4);
  w.U32(p.Profi_ID), w.U32(p.Rx_Data_Len), w.U32(p.Tx_Data_Len);
  w.Zero(156 - 52);  // reserved fields up to the PROFIBUS choices
  w.U32(p.Profi_Module), w.U32(p.Profi_Send_J1939), w.U32(p.Can_TimeOut_ms), w.U32(p.Can_Flags);
  w.U32(p.J1939_Device_ID), w.U32(p.TimeOut_FECA), w.U32(p.Rx_Count), w.U32(p.Tx_Count);
  w.U32(p.Rx_Table_Addr), w.U32(p.Tx_Table_Addr);
}

void Write_Rx_Entry(TByteWriter& w, const TBin_J1939_Rx& e) {
  w.U32(e.Identifier), w.U8(e.Flags), w.U8(0), w.U16(e.StartByte), w.U16(e.NumBytes), w.U16(e.Offset);
  w.U32(e.OnReq_Time), w.Zero(16);
}

void Write_Tx_Entry(TByteWriter& w, const TBin_J1939_Tx& e) {
  w.U32(e.Identifier), w.U8(e.Flags), w.U8(0), w.U16(0), w.U16(e.NumByte), w.U16(e.Offset);
  w.U32(0), w.U32(e.OnTimer_Time), w.Zero(12);
}

}  // namespace

uint32_t J1939_Identifier(int64_t Priority, int64_t DataPage, int64_t PGN, int64_t SourceAddress) {
  return (U32(Priority) & 0x7u) << 26 | (U32(DataPage) & 0x1u) << 24 | (U32(PGN) & 0x3FFFFu) << 8 |
         (U32(SourceAddress) & 0xFFu);
}

uint32_t Can_Baud_Rate(int64_t Index) {
  static const uint32_t rates[] = {10000, 20000, 50000, 100000, 125000, 250000, 500000, 800000, 1000000};
  return (Index >= 0 && Index < 9) ? rates[Index] : 250000;
}

uint32_t Bin_Checksum(const std::vector<uint8_t>& Image) {
  uint32_t sum = 0;
  for (size_t i = 0; i < Image.size() && i < static_cast<size_t>(Bin_Checksum_Offset); ++i) sum += Image[i];
  return sum;
}

void Init_Par_Bin() {
  Par_Bin = TPar_Bin{};
  Par_Bin.Can_Baud = 250000;
  Par_Bin.Fixed_9600 = 9600;
  Par_Bin.Fixed_1000 = 1000;
  Par_Bin.Fixed_100 = 100;
  Par_Bin.Can_TimeOut_ms = 5000;
  Par_Bin.J1939_Device_ID = 1;
  Par_Bin.TimeOut_FECA = 100;
  Par_Bin.Rx_Table_Addr = Image_Base_Addr + Bin_Rx_Table_Offset;
  Par_Bin.Tx_Table_Addr = Image_Base_Addr + Bin_Tx_Table_Offset;
}

void Clear_J1939_Tables() {
  Bin_J1939_Rx.fill({});
  Bin_J1939_Tx.fill({});
}

void Load_J1939_Frames() {
  Load_Rx_Frames(Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields));
  Load_Tx_Frames(Load_Section_Table(Path_J1939_Transmit, Transmit_Number_Fields));
}

void Load_Par_Gen() {
  TParGenFile f = Load_Par_Gen_File(Path_ParGen);
  if (!f.Exists) return;
  Par_Bin.Can_Baud = Can_Baud_Rate(f.Number_Or("Can_Baud", 5));
  Par_Bin.Can_TimeOut_ms = U32(f.Number_Or("Can_TimeOut", 5) * 1000);
  Par_Bin.Can_Flags = (Flag_One(f.Value("Can_Peer")) ? 1u : 0u) | (Flag_One(f.Value("Filter_FECA")) ? 2u : 0u);
  Par_Bin.TimeOut_FECA = U32(f.Number_Or("TimeOut_FECA", 100));
  Par_Bin.J1939_Device_ID = U32(f.Number_Or("J1939_Device_ID", 1));
  Par_Bin.Profi_ID = U32(f.Number_Or("Profi_ID", 10));
  TProfiChoices choices = Read_Profi_Choices(f);
  Par_Bin.Profi_Module = choices.Profi_Module ? 1 : 0;
  Par_Bin.Profi_Send_J1939 = choices.Profi_Send_J1939 ? 1 : 0;
  if (choices.Profi_Send_J1939) {
    // The bitmap of the transmitted frames travels in both directions.
    uint32_t bitmap = static_cast<uint32_t>(Bitmap_Bytes(Par_Bin.Tx_Count));
    Par_Bin.Rx_Data_Len += bitmap;
    Par_Bin.Tx_Data_Len += bitmap;
  }
}

void Fill_Bin_Buffer() {
  Bin_Buffer.clear();
  Bin_Buffer.reserve(Bin_Size);
  TByteWriter w(Bin_Buffer);
  Write_Par_Bin(w);
  w.Zero(Bin_Checksum_Offset - Bin_Buffer.size());  // reserved area and auxiliary tables
  w.U32(Bin_Checksum(Bin_Buffer));
  for (const TBin_J1939_Rx& e : Bin_J1939_Rx) Write_Rx_Entry(w, e);
  for (const TBin_J1939_Tx& e : Bin_J1939_Tx) Write_Tx_Entry(w, e);
}

bool Create_Bin(std::string* Error) {
  Bin_Buffer.clear();
  Init_Par_Bin();
  Clear_J1939_Tables();
  try {
    // The frames first: the ParGen bitmap depends on the transmit count.
    Load_J1939_Frames();
    Load_Par_Gen();
  } catch (const ESectionFileError& e) {
    if (Error) *Error = e.Message();
    return false;
  }
  Fill_Bin_Buffer();
  return true;
}

std::string Bin_File_Path() {
  if (Project_Folder.empty()) return {};
  return Join_Path(Join_Path(Project_Folder, Bin_Folder_Name), Bin_File_Name);
}

bool Write_Bin(std::string* Error) {
  auto fail = [&](const std::string& why) {
    if (Error) *Error = why;
    return false;
  };
  std::string path = Bin_File_Path();
  if (path.empty()) return fail("No project is open");
  if (Bin_Buffer.size() != static_cast<size_t>(Bin_Size)) return fail(path + ": no configuration image was built");
  if (!ForceDirectories(ExtractFileDir(path))) return fail(path + ": cannot create the folder " + ExtractFileDir(path));
  try {
    WriteFileAtomic(path, Bin_Buffer);
  } catch (const Exception& e) {
    return fail(e.Message());
  }
  return true;
}
