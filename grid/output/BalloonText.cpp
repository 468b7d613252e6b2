#include "grid/output/BalloonText.h"

#include "toolkit/rtl/Utf8Text.h"

namespace {

// The limit counts characters, and a cut never splits one.
std::string Cut(const std::string& Text, size_t Limit) {
  if (Utf8CharCount(Text) <= Limit) return Text;
  return Utf8Left(Text, Limit - 3) + "...";
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
