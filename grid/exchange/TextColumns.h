#pragma once
// Text laid out in columns of characters for the fixed-width and ASCII
// files: lengths, cuts and padding count characters (code points of the
// UTF-8 text), not bytes, so that a column of accented names lines up.

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/graphics/CanvasTypes.h"

size_t CharLength(std::string_view Text);
// Up to Count characters from the 0-based character position From.
std::string CharSlice(std::string_view Text, size_t From, size_t Count);
// Cut to Width characters or padded with blanks to Width.
std::string FitToWidth(std::string_view Text, size_t Width);
// Blanks in front (right-justified) or on both sides (centred) until the
// text is at least Width characters; left-justified text stays as it is.
std::string AlignToWidth(std::string Text, size_t Width, TAlignment Align);
// Every line break (CR LF, CR or LF) as one blank, so a text stays on its line.
std::string LineBreaksToBlanks(std::string_view Text);
// The lines of a cell text, split at CR LF; a lone CR or LF inside a line
// becomes a blank.
std::vector<std::string> CellTextLines(std::string_view Text);
