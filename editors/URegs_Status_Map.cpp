#include "editors/URegs_Status_Map.h"

#include "editors/UTableCheck.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// Cuts S at its first Sep: the text before it (trimmed) goes to Before, S
// becomes the text after it (trimmed). False when S holds no Sep.
bool Cut(std::string& S, char Sep, std::string* Before = nullptr) {
  size_t at = S.find(Sep);
  if (at == std::string::npos) return false;
  if (Before) *Before = Trim(S.substr(0, at));
  S = Trim(S.substr(at + 1));
  return true;
}

TMapCheck Read_Item(std::string& S, bool Registers, TMapPair& Item) {
  std::string a, b;
  if (!Cut(S, '[') || !Cut(S, ',', &a) || !Cut(S, ']', &b)) return mcSyntax;
  Item = {StrToIntDef(a, -1), StrToIntDef(b, -1)};
  if (Item.A == -1 || Item.B == -1) return mcSyntax;
  bool b_ok = Registers ? In_Range(Item.B, 0, Map_Max_Position) : In_Range(Item.B, 1, 8);
  if (!In_Range(Item.A, 0, Map_Max_Position) || !b_ok) return mcRange;
  return mcValid;
}

}  // namespace

TMapText Parse_Map(const std::string& Text, bool Registers) {
  TMapText map;
  std::string s = Trim(Text);
  do {
    TMapPair item;
    map.Result = Read_Item(s, Registers, item);
    if (map.Result != mcValid) break;
    map.Items.push_back(item);
  } while (!s.empty());
  return map;
}

int Check_Map(const std::string& str_map, int NumPoint, bool TypePoint) {
  TMapText map = Parse_Map(str_map, TypePoint);
  if (map.Result == mcValid && int(map.Items.size()) != NumPoint) return mcCount;
  return map.Result;
}

std::string Map_Text(const std::vector<TMapPair>& Items) {
  std::string text;
  for (const TMapPair& i : Items) text += "[" + IntToStr(i.A) + "," + IntToStr(i.B) + "]";
  return text;
}
