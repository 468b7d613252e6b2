#pragma once
// What the grid's file writers and readers share: the file encodings, the
// line split and the progress report.

#include <string>
#include <string_view>
#include <vector>

// The cells one import may bring into the grid. No grid of this program
// comes near it: beyond it a file is two far-apart cells of a damaged or
// hostile file, or a data set for other tools, and is refused before the
// grid changes rather than grow until memory runs out.
inline constexpr long long kMaxImportCells = 16'000'000;

// UTF-8 text as the bytes of an 8-bit file: Windows-1252 when that carries
// the text exactly and reads back as the same text; otherwise UTF-8 with a
// byte-order mark, so no character is lost and no reader has to guess.
std::string EncodeEightBitFile(std::string_view Utf8);

// Lines ending in CR LF; a file without any CR LF is split at LF. A final
// line end starts no further line.
std::vector<std::string_view> SplitFileLines(std::string_view Text);

