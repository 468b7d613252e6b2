#pragma once
// The CANopen electronic data sheet (EDS) of the converter as configured: a
// fixed template with the receive and transmit PDOs of CANopen_RPDO.xml and
// CANopen_TPDO.xml as communication, mapping and application objects, and
// the objects of the two server-SDO files as application variables.

#include <cstdint>
#include <string>
#include <vector>

// The maker's lines of every EDS file, defined once.
extern const char* const EDS_Created_By;
extern const char* const EDS_Modified_By;
extern const char* const EDS_Product_Name;

inline constexpr int EDS_Max_PDO = 10;  // the PDO editors hold ten rows
inline constexpr const char* EDS_Dialog_Filter = "Electronic Data Sheet (*.eds)|*.eds";

struct TPDO_Entry {
  uint16_t COB_ID = 0;
  uint8_t Dimension = 0;  // 0 to 8 bytes
};

// One sub-index of a server object. Quantity is the size code of the
// server-SDO files: 0 four bytes, 1 two bytes, 2 one byte.
struct SDO_Sub_Type {
  uint8_t Sub = 0;
  uint8_t Quantity = 0;
  bool Readonly = false;  // from the read file
  std::string Mnemonic;
};

// One object index with its sub-indexes in the order read.
struct SDO_Index {
  uint16_t Index = 0;
  std::vector<SDO_Sub_Type> Sub_Indexs;
};

struct TEDS_Data {
  std::vector<TPDO_Entry> Receive;   // at most EDS_Max_PDO
  std::vector<TPDO_Entry> Transmit;  // at most EDS_Max_PDO
  std::vector<SDO_Index> SDOs;       // objects in the order of their first appearance
};

// The position of Index in SDOs, -1 when it is not there.
int Find_SDO_Index(const std::vector<SDO_Index>& SDOs, uint16_t Index);

// The first ten rows of a PDO file (none when it is missing). A COB-ID that
// is no number gives 513, a Dimension that is no number or above 8 gives 8.
// Raises ESectionFileError for an unreadable file, a missing attribute, or a
// COB-ID outside 0 to 0x7FF or a negative Dimension, which would describe a
// PDO the device cannot have.
std::vector<TPDO_Entry> Load_PDO_List(const std::string& Path);
// Adds the rows of a server-SDO file to SDOs. Raises ESectionFileError for
// an unreadable file, a missing attribute, an Index, SubIndex or Dimension
// that is no number or outside its field, and for an (index, sub-index) that
// is already listed: the master would see one object twice.
void Load_SDO_List(const std::string& Path, bool Readonly, std::vector<SDO_Index>& SDOs);

// From the open project's four files.
TEDS_Data Read_EDS_Data();

// The whole text, CR LF after every line.
std::string Build_EDS_Text(const TEDS_Data& Data);

// The chosen name as typed when it ends with ".eds" in any letter case, else
// with ".eds" appended.
std::string EDS_File_Name(const std::string& Chosen);
// Reads the files, builds the text and replaces FileName atomically. False
// with Error when nothing was written.
bool Create_EDS_File(const std::string& FileName, std::string* Error = nullptr);
