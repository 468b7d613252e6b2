#pragma once
// String routines of the framework. A "character" is a byte and positions
// count from 1 (0 = not found), except for the Ansi* routines, which know
// UTF-8 and change or compare whole characters.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/rtl/Sets.h"

int Pos(std::string_view SubStr, std::string_view S);
int PosEx(std::string_view SubStr, std::string_view S, int Offset = 1);
// Index below 1 counts from 1; a Count past the end stops there.
std::string Copy(std::string_view S, int Index, int Count);
void Delete(std::string& S, int Index, int Count);
// Index past the end appends; below 1 inserts at the start.
void Insert(std::string_view Source, std::string& S, int Index);

// Remove control characters and blanks (every byte up to ' ').
std::string Trim(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

std::string UpperCase(std::string_view S);  // ASCII letters only
std::string LowerCase(std::string_view S);
std::string AnsiUpperCase(std::string_view S);  // Latin, Greek and Cyrillic letters too
std::string AnsiLowerCase(std::string_view S);

// Results are -1, 0 or 1. CompareStr: bytes; CompareText: ASCII case ignored.
int CompareStr(std::string_view S1, std::string_view S2);
int CompareText(std::string_view S1, std::string_view S2);
bool SameStr(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);
// By character, case ignored (AnsiCompareText), or case deciding only between
// otherwise equal strings, lower case first (AnsiCompareStr): the order a person expects.
int AnsiCompareText(std::string_view S1, std::string_view S2);
int AnsiCompareStr(std::string_view S1, std::string_view S2);
bool AnsiSameText(std::string_view S1, std::string_view S2);
bool AnsiSameStr(std::string_view S1, std::string_view S2);
int AnsiPos(std::string_view SubStr, std::string_view S);
bool StartsText(std::string_view SubText, std::string_view Text);
bool EndsText(std::string_view SubText, std::string_view Text);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags);

std::string QuotedStr(std::string_view S);  // 'it''s'
std::string AnsiQuotedStr(std::string_view S, char Quote);
// The text between Quote characters with doubled quotes undone; S unchanged
// when it does not start with Quote. A missing closing quote takes the rest.
std::string AnsiDequotedStr(std::string_view S, char Quote);
// Reads a quoted string starting at S[Pos] (0-based) and moves Pos past it;
// "" without moving when S[Pos] is not Quote.
std::string AnsiExtractQuotedStr(std::string_view S, size_t& Pos, char Quote);
std::string StringOfChar(char Ch, int Count);
