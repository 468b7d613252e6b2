#include "toolkit/rtl/IniFiles.h"

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

// ---- TCustomIniFile: typed values over strings ----

bool TCustomIniFile::SectionExists(const std::string& Section) const {
  TStringList keys;
  ReadSectionValues(Section, keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& Section, const std::string& Ident) const {
  TStringList keys;
  ReadSection(Section, keys);
  return keys.IndexOf(Ident) >= 0;
}

int TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) const {
  return StrToIntDef(Trim(ReadString(Section, Ident, "")), Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) const {
  return StrToIntDef(Trim(ReadString(Section, Ident, "")), Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& Section, const std::string& Ident, double Default) const {
  return StrToFloatDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TCustomIniFile::ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default) const {
  return StrToDateDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TCustomIniFile::ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default) const {
  TDateTime v = 0;
  return TryStrToTime(ReadString(Section, Ident, ""), v) ? v : Default;
}

void TCustomIniFile::WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

TDateTime TCustomIniFile::ReadDateTime(const std::string& Section, const std::string& Ident,
                                       TDateTime Default) const {
  return StrToDateTimeDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(const std::string& FileName)
    : TCustomIniFile(FileName), sections_(std::make_unique<TStringList>(true)) {
  Load();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Load() {
  TStringList lines;
  encoding_ = TTextEncoding::Utf8;
  if (!FileName().empty() && FileExists(FileName())) {
    TTextEncoding found = TTextEncoding::Utf8;
    lines.SetText(ReadTextFile(FileName(), &found));
    if (found != TTextEncoding::Windows1252) encoding_ = found;
  }
  SetStrings(lines);
}

void TMemIniFile::Clear() { sections_->Clear(); }

TStringList* TMemIniFile::FindSection(const std::string& Section) const {
  int i = sections_->IndexOf(Section);
  return i < 0 ? nullptr : static_cast<TStringList*>(sections_->Objects(i));
}

TStringList* TMemIniFile::AddSection(const std::string& Section) {
  if (TStringList* s = FindSection(Section)) return s;  // a repeated section joins the first
  auto* lines = new TStringList;
  sections_->AddObject(Section, lines);
  return lines;
}

void TMemIniFile::SetStrings(const TStrings& List) {
  Clear();
  TStringList* current = nullptr;
  for (int i = 0; i < List.Count(); ++i) {
    std::string s = Trim(List[i]);
    if (s.empty() || s[0] == ';') continue;
    if (s[0] == '[' && s.back() == ']') {
      current = AddSection(Trim(s.substr(1, s.size() - 2)));
      continue;
    }
    if (!current) continue;  // lines before the first section belong to none
    size_t eq = s.find('=');
    if (eq == std::string::npos) current->Add(s);
    else current->Add(TrimRight(s.substr(0, eq)) + "=" + TrimLeft(s.substr(eq + 1)));
  }
}

void TMemIniFile::GetStrings(TStrings& List) const {
  List.BeginUpdate();
  List.Clear();
  for (int i = 0; i < sections_->Count(); ++i) {
    List.Add(std::string("[").append((*sections_)[i]).append("]"));
    List.AddStrings(*static_cast<TStringList*>(sections_->Objects(i)));
    List.Add("");
  }
  List.EndUpdate();
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) const {
  TStringList* s = FindSection(Section);
  int i = s ? s->IndexOfName(Ident) : -1;
  return i < 0 ? Default : s->ValueFromIndex(i);
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  // A line break in a value would become a new line of the file.
  std::string v = StringReplace(StringReplace(Value, "\r", " ", {rfReplaceAll}), "\n", " ", {rfReplaceAll});
  TStringList* s = AddSection(Section);
  int i = s->IndexOfName(Ident);
  // An existing key keeps the spelling it has in the file.
  if (i < 0) s->Add(Ident + "=" + v);
  else s->SetStrings(i, s->Names(i) + "=" + v);
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings& Strings) const {
  Strings.BeginUpdate();
  Strings.Clear();
  if (TStringList* s = FindSection(Section)) {
    for (int i = 0; i < s->Count(); ++i) {
      std::string name = s->Names(i);
      if (!name.empty()) Strings.Add(name);
    }
  }
  Strings.EndUpdate();
}

void TMemIniFile::ReadSections(TStrings& Strings) const {
  Strings.BeginUpdate();
  Strings.Clear();
  for (int i = 0; i < sections_->Count(); ++i) Strings.Add((*sections_)[i]);
  Strings.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings& Strings) const {
  Strings.BeginUpdate();
  Strings.Clear();
  if (TStringList* s = FindSection(Section)) Strings.AddStrings(*s);
  Strings.EndUpdate();
}

void TMemIniFile::EraseSection(const std::string& Section) {
  int i = sections_->IndexOf(Section);
  if (i >= 0) sections_->Delete(i);
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  TStringList* s = FindSection(Section);
  int i = s ? s->IndexOfName(Ident) : -1;
  if (i >= 0) s->Delete(i);
}

void TMemIniFile::UpdateFile() {
  TStringList lines;
  GetStrings(lines);
  lines.SaveToFile(FileName(), encoding_);
}

void TMemIniFile::Rename(const std::string& FileName, bool Reload) {
  SetFileName(FileName);
  if (Reload) Load();
}

// ---- TIniFile ----

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  TMemIniFile::WriteString(Section, Ident, Value);
  UpdateFile();
}

void TIniFile::EraseSection(const std::string& Section) {
  TMemIniFile::EraseSection(Section);
  UpdateFile();
}

void TIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  TMemIniFile::DeleteKey(Section, Ident);
  UpdateFile();
}
