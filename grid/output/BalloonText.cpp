#include "grid/output/BalloonText.h"

namespace {

// Cuts at a character boundary so a UTF-8 sequence is never split.
std::string Cut(const std::string& Text, size_t Limit) {
  if (Text.size() <= Limit) return Text;
  size_t n = Limit - 3;
  while (n > 0 && (static_cast<unsigned char>(Text[n]) & 0xC0) == 0x80) --n;
  return Text.substr(0, n) + "...";
}

}  // namespace

std::string BalloonText(const std::string& Text) {
  size_t start = 0;
  while (start < Text.size() && (Text[start] == '\r' || Text[start] == '\n' || Text[start] == '\t')) ++start;
  std::string out = Text.substr(start);
  for (char& c : out)
    if (c == '\t') c = ' ';
  return Cut(out, kBalloonTextLimit);
}

std::string BalloonTitle(const std::string& Title) {
  if (Title.empty()) return " ";
  return Cut(Title, kBalloonTitleLimit);
}
