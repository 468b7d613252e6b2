// The print settings in a section of an INI file. Flags are "Y"/"N",
// enumerations their ordinal, fonts four keys each; saving replaces the file
// whole by a complete new one, written as UTF-8 (a file read as Windows-1252
// comes back as UTF-8). Loading leaves an existing file exactly as it is.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/IniFiles.h"

namespace {

// A FIFO, folder or device at the path is neither read as an empty file nor
// replaced by a regular one: the guarded read refuses it with its reason.
void RefuseAnythingButAFile(const std::string& Key) {
  if (PathExists(Key) && !FileExists(Key)) ReadFileBytes(Key);
}

constexpr int kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;

int StyleBits(const TFontStyles& s) {
  return (s.Contains(fsBold) ? kBold : 0) | (s.Contains(fsItalic) ? kItalic : 0) |
         (s.Contains(fsUnderline) ? kUnderline : 0) | (s.Contains(fsStrikeOut) ? kStrikeOut : 0);
}

TFontStyles StylesOf(int bits) {
  TFontStyles s;
  if (bits & kBold) s.Include(fsBold);
  if (bits & kItalic) s.Include(fsItalic);
  if (bits & kUnderline) s.Include(fsUnderline);
  if (bits & kStrikeOut) s.Include(fsStrikeOut);
  return s;
}

// Reading and writing of one section, key by key.
class TPrintSection {
public:
  TPrintSection(TMemIniFile& Ini, const std::string& Section) : ini_(Ini), section_(Section) {}

  void PutInt(const char* Key, int Value) { ini_.WriteInteger(section_, Key, Value); }
  void PutFlag(const char* Key, bool Value) { ini_.WriteString(section_, Key, Value ? "Y" : "N"); }
  void PutText(const char* Key, const std::string& Value) { ini_.WriteString(section_, Key, Value); }
  int Int(const char* Key, int Default) const { return ini_.ReadInteger(section_, Key, Default); }
  bool Flag(const char* Key, bool Default) const { return ini_.ReadString(section_, Key, Default ? "Y" : "N") == "Y"; }
  std::string Text(const char* Key, const std::string& Default) const {
    return ini_.ReadString(section_, Key, Default);
  }
  // An ordinal within First..Last, else Fallback.
  int Ordinal(const char* Key, int First, int Last, int Fallback) const {
    const int v = Int(Key, 0);
    return v >= First && v <= Last ? v : Fallback;
  }

  void PutFont(const std::string& Prefix, const TFont* F) {
    PutText((Prefix + "Name").c_str(), F->Name());
    PutInt((Prefix + "Size").c_str(), F->Size());
    PutInt((Prefix + "Style").c_str(), StyleBits(F->Style()));
    PutInt((Prefix + "Color").c_str(), int(F->Color()));
  }
  // The stored style replaces the font's style, so a regular font can be restored.
  void Font(const std::string& Prefix, TFont* F) const {
    F->SetName(Text((Prefix + "Name").c_str(), "Arial"));
    F->SetSize(Int((Prefix + "Size").c_str(), 10));
    F->SetStyle(StylesOf(Int((Prefix + "Style").c_str(), 0)));
    F->SetColor(TColor(Int((Prefix + "Color").c_str(), 0)));
  }

private:
  TMemIniFile& ini_;
  std::string section_;
};

}  // namespace

void TExtStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section) {
  RefuseAnythingButAFile(Key);
  TMemIniFile ini(Key);
  TPrintSection s(ini, Section);
  TPrintSettings& p = FPrintSettings;
  s.PutInt("ColumnSpacing", p.ColumnSpacing());
  s.PutInt("RowSpacing", p.RowSpacing());
  s.PutInt("TitleSpacing", p.TitleSpacing());
  s.PutInt("FixedHeight", p.FixedHeight());
  s.PutInt("FixedWidth", p.FixedWidth());
  s.PutFlag("Centered", p.Centered());
  s.PutFlag("NoAutoSize", p.NoAutoSize());
  s.PutFlag("UseFixedHeight", p.UseFixedHeight());
  s.PutFlag("UseFixedWidth", p.UseFixedWidth());
  s.PutFlag("RepeatFixedRows", p.RepeatFixedRows());
  s.PutFlag("RepeatFixedCols", p.RepeatFixedCols());
  s.PutFlag("UseDisplFont", p.UseDisplayFont());
  s.PutFlag("UseDefOrientation", p.UseDefaultOrientation());
  s.PutInt("Borders", p.Borders());
  s.PutInt("BorderColor", int(p.BorderColor()));
  s.PutInt("BorderStyle", p.BorderStyle());
  s.PutInt("Date", p.Date());
  s.PutInt("PageNr", p.PageNr());
  s.PutInt("Title", p.Title());
  s.PutInt("Time", p.Time());
  s.PutText("DateFormat", p.DateFormat());
  s.PutText("TitleText", p.TitleText());
  s.PutInt("FooterSize", p.FooterSize());
  s.PutInt("HeaderSize", p.HeaderSize());
  s.PutInt("LeftSize", p.LeftSize());
  s.PutInt("RightSize", p.RightSize());
  s.PutInt("FitToPage", p.FitToPage());
  s.PutFont("Font", p.Font());
  s.PutFont("HeaderFont", p.HeaderFont());
  s.PutFont("FooterFont", p.FooterFont());
  s.PutText("PageNumSep", p.PageNumSep());
  s.PutText("PageSuffix", p.PageSuffix());
  s.PutText("PagePrefix", p.PagePrefix());
  s.PutInt("Orientation", p.Orientation());
  s.PutText("TitleLines", CRToEscapedN(p.TitleLines()->Text()));
  s.PutFlag("PrintGraphics", p.PrintGraphics());
  ini.UpdateFile();
}

void TExtStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section) {
  RefuseAnythingButAFile(Key);
  const bool missing = !PathExists(Key);
  TMemIniFile ini(Key);
  const TPrintSection s(ini, Section);
  TPrintSettings& p = FPrintSettings;
  p.SetColumnSpacing(s.Int("ColumnSpacing", 20));
  p.SetRowSpacing(s.Int("RowSpacing", 20));
  p.SetTitleSpacing(s.Int("TitleSpacing", 20));
  p.SetFixedHeight(s.Int("FixedHeight", 0));
  p.SetFixedWidth(s.Int("FixedWidth", 0));
  p.SetCentered(s.Flag("Centered", true));
  p.SetNoAutoSize(s.Flag("NoAutoSize", false));
  p.SetUseFixedHeight(s.Flag("UseFixedHeight", false));
  p.SetUseFixedWidth(s.Flag("UseFixedWidth", false));
  p.SetRepeatFixedRows(s.Flag("RepeatFixedRows", false));
  p.SetRepeatFixedCols(s.Flag("RepeatFixedCols", false));
  p.SetUseDisplayFont(s.Flag("UseDisplFont", false));
  p.SetUseDefaultOrientation(s.Flag("UseDefOrientation", false));
  p.SetBorders(TPrintBorders(s.Ordinal("Borders", pbNoborder, pbCustom, p.Borders())));
  p.SetBorderColor(TColor(s.Int("BorderColor", 0)));
  p.SetBorderStyle(TPenStyle(s.Ordinal("BorderStyle", psSolid, psInsideFrame, p.BorderStyle())));
  p.SetDate(TPrintPosition(s.Ordinal("Date", ppTopLeft, ppBottomCenter, ppNone)));
  p.SetPageNr(TPrintPosition(s.Ordinal("PageNr", ppTopLeft, ppBottomCenter, ppNone)));
  p.SetTitle(TPrintPosition(s.Ordinal("Title", ppTopLeft, ppBottomCenter, ppNone)));
  p.SetTime(TPrintPosition(s.Ordinal("Time", ppTopLeft, ppBottomCenter, ppNone)));
  p.SetDateFormat(s.Text("DateFormat", ""));
  p.SetTitleText(s.Text("TitleText", ""));
  p.SetFooterSize(s.Int("FooterSize", 100));
  p.SetHeaderSize(s.Int("HeaderSize", 100));
  p.SetLeftSize(s.Int("LeftSize", 100));
  p.SetRightSize(s.Int("RightSize", 100));
  p.SetFitToPage(TFitToPage(s.Ordinal("FitToPage", fpNever, fpCustom, p.FitToPage())));
  s.Font("Font", p.Font());
  s.Font("HeaderFont", p.HeaderFont());
  s.Font("FooterFont", p.FooterFont());
  p.SetPageNumSep(s.Text("PageNumSep", ""));
  p.SetPageSuffix(s.Text("PageSuffix", ""));
  p.SetPagePrefix(s.Text("PagePrefix", ""));
  p.SetOrientation(TPrinterOrientation(s.Ordinal("Orientation", poPortrait, poLandscape, p.Orientation())));
  p.TitleLines()->SetText(EscapedNToCR(s.Text("TitleLines", "")));
  p.SetPrintGraphics(s.Flag("PrintGraphics", false));
  if (missing) ini.UpdateFile();  // a settings file to edit comes into being where there was none
}
