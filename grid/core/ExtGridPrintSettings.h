#pragma once
// The options the grid hands to its printing and HTML export: page layout,
// fonts, borders, titles and page numbers for printing; table attributes,
// colours and fonts for HTML. The grid owns one of each; forms stream them.

#include <string>

#include "grid/foundation/ExtObj.h"
#include "toolkit/graphics/Printers.h"

class TExtStringGrid;

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
  pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

class TPrintSettings : public TPersistent {
public:
  // The grid is kept, not owned.
  explicit TPrintSettings(TExtStringGrid* AOwner) : FOwner(AOwner) {}
  std::string ClassName() const override { return "TPrintSettings"; }
  // Copies everything except FixedCellsAlways, fonts and title lines by content.
  void Assign(const TPersistent* Source) override;
  TExtStringGrid* Grid() const { return FOwner; }

  QUELIX_PLAIN_PROPERTY(int, FooterSize)
  QUELIX_PLAIN_PROPERTY(int, HeaderSize)
  QUELIX_PLAIN_PROPERTY(int, LeftSize)
  QUELIX_PLAIN_PROPERTY(int, RightSize)
  QUELIX_PLAIN_PROPERTY(int, ColumnSpacing)
  QUELIX_PLAIN_PROPERTY(int, RowSpacing)
  QUELIX_PLAIN_PROPERTY(int, TitleSpacing)
  QUELIX_PLAIN_PROPERTY(TPrintPosition, Time)
  QUELIX_PLAIN_PROPERTY(TPrintPosition, Date)
  QUELIX_PLAIN_PROPERTY(std::string, DateFormat)
  QUELIX_PLAIN_PROPERTY(TPrintPosition, PageNr)
  QUELIX_PLAIN_PROPERTY(std::string, PageNumSep)
  QUELIX_PLAIN_PROPERTY(std::string, PagePrefix)
  QUELIX_PLAIN_PROPERTY(std::string, PageSuffix)
  QUELIX_PLAIN_PROPERTY(int, PageNumberOffset)
  QUELIX_PLAIN_PROPERTY(int, MaxPagesOffset)
  QUELIX_PLAIN_PROPERTY(TPrintPosition, Title)
  QUELIX_PLAIN_PROPERTY(std::string, TitleText)
  TStringList* TitleLines() { return &FTitleLines; }
  void SetTitleLines(const TStrings* v) { FTitleLines.Assign(v); }
  TFont* Font() { return &FFont; }
  void SetFont(const TFont* v) { FFont.Assign(v); }
  TFont* FixedFont() { return &FFixedFont; }
  void SetFixedFont(const TFont* v) { FFixedFont.Assign(v); }
  TFont* HeaderFont() { return &FHeaderFont; }
  void SetHeaderFont(const TFont* v) { FHeaderFont.Assign(v); }
  TFont* FooterFont() { return &FFooterFont; }
  void SetFooterFont(const TFont* v) { FFooterFont.Assign(v); }
  QUELIX_PLAIN_PROPERTY(bool, UseDisplayFont)
  QUELIX_PLAIN_PROPERTY(TPrintBorders, Borders)
  QUELIX_PLAIN_PROPERTY(TPenStyle, BorderStyle)
  QUELIX_PLAIN_PROPERTY(TColor, BorderColor)
  QUELIX_PLAIN_PROPERTY(bool, Centered)
  QUELIX_PLAIN_PROPERTY(bool, RepeatFixedRows)
  QUELIX_PLAIN_PROPERTY(bool, RepeatFixedCols)
  QUELIX_PLAIN_PROPERTY(int, FixedWidth)
  QUELIX_PLAIN_PROPERTY(bool, UseFixedWidth)
  QUELIX_PLAIN_PROPERTY(int, FixedHeight)
  QUELIX_PLAIN_PROPERTY(bool, UseFixedHeight)
  QUELIX_PLAIN_PROPERTY(TFitToPage, FitToPage)
  QUELIX_PLAIN_PROPERTY(TPrinterOrientation, Orientation)
  QUELIX_PLAIN_PROPERTY(bool, UseDefaultOrientation)
  QUELIX_PLAIN_PROPERTY(bool, NoAutoSize)
  QUELIX_PLAIN_PROPERTY(bool, NoAutoSizeRow)
  QUELIX_PLAIN_PROPERTY(bool, PrintGraphics)
  QUELIX_PLAIN_PROPERTY(std::string, JobName)
  // Public, not streamed, not copied by Assign.
  bool FixedCellsAlways = false;

private:
  struct TValues {
    int FooterSize = 0, HeaderSize = 0, LeftSize = 0, RightSize = 0;
    int ColumnSpacing = 0, RowSpacing = 0, TitleSpacing = 0;
    TPrintPosition Time = ppNone, Date = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    TPrintPosition PageNr = ppNone;
    std::string PageNumSep = "/", PagePrefix, PageSuffix;
    int PageNumberOffset = 0, MaxPagesOffset = 0;
    TPrintPosition Title = ppNone;
    std::string TitleText;
    bool UseDisplayFont = true;
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;
    bool Centered = true, RepeatFixedRows = false, RepeatFixedCols = false;
    int FixedWidth = 0;
    bool UseFixedWidth = false;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    TFitToPage FitToPage = fpNever;
    TPrinterOrientation Orientation = poPortrait;
    bool UseDefaultOrientation = false, NoAutoSize = false, NoAutoSizeRow = false, PrintGraphics = false;
    std::string JobName;
  };
  TExtStringGrid* FOwner;
  TValues F;
  TStringList FTitleLines;
  TFont FFont, FFixedFont, FHeaderFont, FFooterFont;
};

class THTMLSettings : public TPersistent {
public:
  THTMLSettings() = default;
  std::string ClassName() const override { return "THTMLSettings"; }
  // From another THTMLSettings only; ExportImages and ColWidths stay.
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, AutoPreview)
  QUELIX_PLAIN_PROPERTY(bool, ConvertSpecialChars)
  QUELIX_PLAIN_PROPERTY(bool, NonBreakingText)
  QUELIX_PLAIN_PROPERTY(bool, SaveColor)
  QUELIX_PLAIN_PROPERTY(bool, SaveFonts)
  QUELIX_PLAIN_PROPERTY(std::string, FooterFile)
  QUELIX_PLAIN_PROPERTY(std::string, HeaderFile)
  QUELIX_PLAIN_PROPERTY(int, BorderSize)
  QUELIX_PLAIN_PROPERTY(int, CellSpacing)
  QUELIX_PLAIN_PROPERTY(int, CellPadding)
  QUELIX_PLAIN_PROPERTY(std::string, TableStyle)
  QUELIX_PLAIN_PROPERTY(std::string, PrefixTag)
  QUELIX_PLAIN_PROPERTY(std::string, SuffixTag)
  QUELIX_PLAIN_PROPERTY(std::string, Summary)
  QUELIX_PLAIN_PROPERTY(int, Width)
  QUELIX_PLAIN_PROPERTY(bool, XHTML)
  bool ExportImages() const { return FExportImages; }
  void SetExportImages(bool v) { FExportImages = v; }
  TIntList* ColWidths() { return &FColWidths; }

private:
  struct TValues {
    bool AutoPreview = false, ConvertSpecialChars = false, NonBreakingText = false;
    bool SaveColor = true, SaveFonts = true;
    std::string FooterFile, HeaderFile;
    int BorderSize = 1, CellSpacing = 0, CellPadding = 0;
    std::string TableStyle, PrefixTag, SuffixTag, Summary;
    int Width = 100;
    bool XHTML = false;
  };
  TValues F;
  bool FExportImages = true;
  TIntList FColWidths{0, 0};
};
