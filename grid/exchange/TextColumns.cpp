// Character columns of plain-text layouts.

#include "grid/exchange/TextColumns.h"

#include "toolkit/rtl/Encoding.h"

namespace {

size_t ByteOffset(std::string_view Text, size_t Chars) {
  size_t i = 0;
  for (size_t n = 0; n < Chars && i < Text.size(); ++n) DecodeUtf8Char(Text, i);
  return i;
}

}  // namespace

size_t CharLength(std::string_view Text) {
  size_t n = 0;
  for (size_t i = 0; i < Text.size(); ++n) DecodeUtf8Char(Text, i);
  return n;
}

std::string CharSlice(std::string_view Text, size_t From, size_t Count) {
  const size_t start = ByteOffset(Text, From);
  const std::string_view rest = Text.substr(start);
  return std::string(rest.substr(0, ByteOffset(rest, Count)));
}

std::string FitToWidth(std::string_view Text, size_t Width) {
  std::string out = CharSlice(Text, 0, Width);
  out.append(Width - CharLength(out), ' ');
  return out;
}

std::string AlignToWidth(std::string Text, size_t Width, TAlignment Align) {
  size_t len = CharLength(Text);
  if (Align == taRightJustify && len < Width) return std::string(Width - len, ' ') + Text;
  if (Align == taCenter)
    for (; len < Width; len += 2) Text = " " + Text + " ";
  return Text;
}

std::string LineBreaksToBlanks(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    out += Text[i] == '\r' || Text[i] == '\n' ? ' ' : Text[i];
  }
  return out;
}

std::vector<std::string> CellTextLines(std::string_view Text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  for (;;) {
    const size_t e = Text.find("\r\n", pos);
    lines.push_back(LineBreaksToBlanks(Text.substr(pos, e == std::string_view::npos ? e : e - pos)));
    if (e == std::string_view::npos) return lines;
    pos = e + 2;
  }
}
