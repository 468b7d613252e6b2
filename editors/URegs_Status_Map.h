#pragma once
// The register/status map of a P61 Modbus request: one item "[a,b]" per
// point. For registers a and b are the byte positions of the register's high
// and low byte, for status bits a is the byte position and b the bit (1 to 8);
// a position is 0 (none) or 1 to 2000, counting the data bytes of the offered
// J1939 frames laid end to end. Text before and between items and blanks
// around the numbers are accepted.

#include <string>
#include <vector>

inline constexpr int Map_Max_Position = 2000;

// The results of the map check, as shown to the user.
enum TMapCheck { mcValid = 1, mcSyntax = 2, mcRange = 3, mcCount = 4 };

// One "[A,B]" item of a map text.
struct TMapPair {
  int A = 0, B = 0;
};

struct TMapText {
  TMapCheck Result = mcValid;
  std::vector<TMapPair> Items;  // those before the first bad item
};

// Reads the items of Text in order; Registers selects the register ranges.
// An empty text is a syntax error.
TMapText Parse_Map(const std::string& Text, bool Registers);

// 1 valid, 2 syntax, 3 value out of range, 4 not one item per point.
int Check_Map(const std::string& str_map, int NumPoint, bool TypePoint);

// The map text of Items, without text between them.
std::string Map_Text(const std::vector<TMapPair>& Items);
