#pragma once
// The configuration image bank.bin: the device's parameter memory built from
// ParGen.xml, J1939_Receive.xml and J1939_Transmit.xml of the open project.
// 3968 bytes, every value little-endian:
//     0  196  parameter record (Par_Bin)
//   196  536  zero
//   732 1312  three auxiliary tables (zero)
//  2044    4  checksum: sum of the bytes 0..2043
//  2048  960  30 receive frame entries of 32 bytes
//  3008  960  30 transmit frame entries of 32 bytes

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int Bin_Size = 3968;
inline constexpr int Bin_Frame_Count = 30;
inline constexpr int Bin_Checksum_Offset = 2044;
inline constexpr int Bin_Rx_Table_Offset = 2048;
inline constexpr int Bin_Tx_Table_Offset = 3008;
inline constexpr int Bin_Entry_Size = 32;

struct TPar_Bin {
  uint32_t Can_Baud = 0;          // 0 and 4: bit rate in bit/s, twice
  uint32_t Fixed_9600 = 0;        // 8
  uint32_t Fixed_1000 = 0;        // 28
  uint32_t Fixed_100 = 0;         // 32
  uint32_t Profi_ID = 0;          // 40: PROFIBUS station address
  uint32_t Rx_Data_Len = 0;       // 44
  uint32_t Tx_Data_Len = 0;       // 48
  uint32_t Profi_Module = 0;      // 156
  uint32_t Profi_Send_J1939 = 0;  // 160
  uint32_t Can_TimeOut_ms = 0;    // 164
  uint32_t Can_Flags = 0;         // 168: bit 0 peer to peer, bit 1 FECA filter
  uint32_t J1939_Device_ID = 0;   // 172
  uint32_t TimeOut_FECA = 0;      // 176
  uint32_t Rx_Count = 0;          // 180
  uint32_t Tx_Count = 0;          // 184
  uint32_t Rx_Table_Addr = 0;     // 188
  uint32_t Tx_Table_Addr = 0;     // 192
};

struct TBin_J1939_Rx {
  uint32_t Identifier = 0;  // 0
  uint8_t Flags = 0;        // 4: bit 0 transport protocol, bit 1 cancel data, bit 2 on request
  uint16_t StartByte = 0;   // 6
  uint16_t NumBytes = 0;    // 8
  uint16_t Offset = 0;      // 10: where the frame's data starts in the receive data
  uint32_t OnReq_Time = 0;  // 12
};

struct TBin_J1939_Tx {
  uint32_t Identifier = 0;    // 0
  uint8_t Flags = 0;          // 4: bit 0 on request, bit 1 data change, bit 2 on timer
  uint16_t NumByte = 0;       // 8
  uint16_t Offset = 0;        // 10
  uint32_t OnTimer_Time = 0;  // 16
};

// The image model: one instance for the program, rebuilt by every Create_Bin.
extern TPar_Bin Par_Bin;
extern std::array<TBin_J1939_Rx, Bin_Frame_Count> Bin_J1939_Rx;
extern std::array<TBin_J1939_Tx, Bin_Frame_Count> Bin_J1939_Tx;
extern std::vector<uint8_t> Bin_Buffer;  // the assembled image; empty before a build

// J1939 29-bit identifiers, put together from the masked fields with bitwise
// OR so that a large PGN cannot carry into the data page or priority bits.
uint32_t J1939_Identifier(int64_t Priority, int64_t DataPage, int64_t PGN, int64_t SourceAddress);
// Index of the bit-rate list (0 = 10K ... 8 = 1000K) to bit/s; 250000 otherwise.
uint32_t Can_Baud_Rate(int64_t Index);
uint32_t Bin_Checksum(const std::vector<uint8_t>& Image);

void Init_Par_Bin();
void Clear_J1939_Tables();
// Raise ESectionFileError for a file that cannot be read or a row without an
// attribute the image needs.
void Load_J1939_Frames();
void Load_Par_Gen();
void Fill_Bin_Buffer();

// Builds the image from Path_ParGen, Path_J1939_Receive and
// Path_J1939_Transmit. False, with Error naming the file and the reason, when
// a section file cannot be used; Bin_Buffer is then empty.
bool Create_Bin(std::string* Error = nullptr);

// Project_Folder/bin/bank.bin.
std::string Bin_File_Path();
// Writes the built image to Bin_File_Path(), creating the bin folder and
// replacing the file atomically. False, with Error naming the file, when no
// project is open, no image was built or the file cannot be written.
bool Write_Bin(std::string* Error = nullptr);
