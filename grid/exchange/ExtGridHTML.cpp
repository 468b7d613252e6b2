// The grid as an HTML table: one CSS class per distinct cell style, merged
// cells as spans, cell pictures as JPEG files beside the document.
//
// Texts that are not HTML are escaped, attributes are quoted, characters a
// file's encoding cannot carry are character references, and XHTML
// documents are well-formed XML in UTF-8. Clipboard documents keep their
// pictures in a temporary folder of their own and link them by absolute
// file:/// URLs, or leave them out when no folder can be made.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/ExchangeFiles.h"
#include "grid/exchange/HTMLTable.h"
#include "platform/process/Process.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/JpegImage.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Writes cell pictures as img0.jpg, img1.jpg, ... in Dir/images; without a
// Dir (or when Lenient and the folder cannot be made) pictures are left out.
class THTMLImages {
public:
  THTMLImages(std::string Dir, bool Lenient) : FDir(std::move(Dir)), FLenient(Lenient) {}

  // The image tag, or "" when the picture is left out.
  std::string Tag(TGraphic* G, const THTMLMarkup& M) {
    if (!G || G->Empty() || FDir.empty() || !folder()) return "";
    const fs::path file = fs::path(FDir) / "images" / ("img" + std::to_string(FNumber++) + ".jpg");
    if (TJPEGImage* jpg = dynamic_cast<TJPEGImage*>(G)) {
      jpg->SaveToFile(file.string());
    } else {
      TBitmap bmp;
      bmp.SetSize(G->Width(), G->Height());
      G->Draw(bmp.Canvas(), TRect{0, 0, G->Width(), G->Height()});
      TJPEGImage out;
      out.Assign(&bmp);
      out.SaveToFile(file.string());
    }
    return M.ImageTag(FileURL(file.string()));
  }
  std::string ListTag(TImageList* List, int Index, const THTMLMarkup& M) {
    if (!List || Index < 0 || Index >= List->Count()) return "";
    TBitmap bmp;
    List->GetBitmap(Index, &bmp);
    return Tag(&bmp, M);
  }

private:
  bool folder() {
    if (FReady) return true;
    std::error_code ec;
    const fs::path images = fs::path(FDir) / "images";
    fs::create_directories(images, ec);
    if (ec || !fs::is_directory(images)) {
      if (FLenient) {
        FDir.clear();
        return false;
      }
      throw Exception("Cannot create " + images.string());
    }
    return FReady = true;
  }
  std::string FDir;
  bool FLenient;
  bool FReady = false;
  int FNumber = 0;
};

std::string CellToHTMLTD(TCellGraphic* G, const std::string& Raw, const std::string& Text, TImageList* Images,
                        THTMLImages& Out, const THTMLMarkup& M) {
  if (!G) return Text;
  int index = -1;
  switch (G->CellType) {
    case ctDataImage: {
      const std::string tag = TryStrToInt(Trim(Raw), index) ? Out.ListTag(Images, index, M) : std::string();
      return tag.empty() ? Text : tag;
    }
    case ctBitmap: return Text + Out.Tag(G->Bitmap(), M);
    case ctPicture:
    case ctInterface: return Text + Out.Tag(G->Picture() ? G->Picture()->Graphic() : nullptr, M);
    case ctImageList: return Out.ListTag(Images, G->CellIndex, M) + Text;
    case ctNode: return "+" + Text;
    case ctImages: {
      std::string tags;
      if (TIntList* list = G->IntList())
        for (int i = 0; i < list->Count(); ++i) tags += Out.ListTag(Images, list->GetInteger(i), M);
      return tags + Text;
    }
    default: return Text;
  }
}

std::string AbsoluteFolder(const std::string& Dir) {
  std::string d = fs::absolute(Dir.empty() ? fs::path(".") : fs::path(Dir)).lexically_normal().string();
  return d.empty() || d.back() == '/' ? d : d + "/";
}

void AddFileLines(std::string& Out, const std::string& FileName) {
  if (FileName.empty()) return;
  std::string text = ReadTextFile(FileName);
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  Out += text;
}

// The pictures of the HTML on the clipboard: the clipboard holds one copy at
// a time, so one folder serves, emptied by the next copy and removed when
// the program ends or when a copy has no pictures.
class TClipboardPictureFolder {
public:
  static TClipboardPictureFolder& Instance() {
    static TClipboardPictureFolder folder;
    return folder;
  }
  ~TClipboardPictureFolder() { remove(); }
  // A new, empty folder ("/"-terminated), or "" when none can be made.
  std::string Fresh() {
    remove();
    std::string pattern = (fs::temp_directory_path() / "gridclip-XXXXXX").string();
    if (mkdtemp(pattern.data())) FPath = pattern;
    return FPath.empty() ? FPath : FPath + "/";
  }
  void DropIfEmpty() {
    std::error_code ec;
    if (!FPath.empty() && !fs::exists(fs::path(FPath) / "images", ec)) remove();
  }

private:
  void remove() {
    if (FPath.empty()) return;
    std::error_code ec;
    fs::remove_all(FPath, ec);
    FPath.clear();
  }
  std::string FPath;
};

}  // namespace

std::string TExtStringGrid::htmlDocument(const std::string& ImageDir, bool Clipboard) {
  const THTMLSettings& S = FHTMLSettings;
  // Programs paste the clipboard's HTML as HTML: an XML prologue and a head
  // inside its fragment would be out of place there.
  const THTMLMarkup M{S.XHTML() && !Clipboard};
  const THTMLTextRules rules{FURLShow, FURLFull, S.ConvertSpecialChars(), S.NonBreakingText()};
  THTMLImages images(S.ExportImages() ? ImageDir : std::string(), Clipboard);
  THTMLStyleClasses classes;
  TIntList* widths = FHTMLSettings.ColWidths();
  const int firstCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int firstRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  const bool header = FixedRows() > 0 && (FSaveFixedCells || FSaveFixedRows);

  TFont font;
  TBrush brush;
  auto cellLine = [&](int c, int r, bool headerRow) {
    const int real = DisplToRealColumn(c);
    const std::string raw = ExportCellText(real, r);
    const bool blank = Trim(raw).empty();
    const std::string text = CellTextToHTML(raw, GetTextKind(raw, FEnableHTML) == 1, rules, M);

    TGridDrawState state;
    TColor to, mirror, mirrorTo;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = WordWrap();
    TCellGradientDirection gd = GradientVertical;
    font.SetColor(clNone);
    font.SetStyle({});
    brush.SetColor(clNone);
    GetVisualProperties(c, r, state, false, false, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww, gd);
    const bool fixed = headerRow || IsFixed(c, r) || c < FixedCols() || r < FixedRows();
    THTMLCellStyle style{fixed ? FixedColor() : brush.Color(), font.Color(), font.Size(),
                         font.Style().Contains(fsBold), font.Style().Contains(fsItalic), font.Name(), ha, va};

    std::string line = "<" + M.Name("TD") + " class=\"c" + std::to_string(classes.IndexOf(CellStyleToCSS(style, S.SaveColor()))) + "\"";
    const TPoint span = CellSpan(real, r);
    if (IsBaseCell(real, r) && span.X > 0) line += M.Attribute("COLSPAN", std::to_string(span.X + 1));
    if (IsBaseCell(real, r) && span.Y > 0) line += M.Attribute("ROWSPAN", std::to_string(span.Y + 1));
    if (!ww) line += M.Flag("nowrap");
    const int w = headerRow ? c : c - firstCol;
    if (w >= 0 && w < widths->Count() && (headerRow || !header)) line += M.Attribute("WIDTH", std::to_string(widths->GetInteger(w)));
    const std::string content = blank ? M.Nbsp() : text;
    return line + ">" + CellToHTMLTD(GetCellGraphic(real, r), raw, content, CellImageList(real, r), images, M) + "</td>";
  };

  std::string table = HTMLTableTag(S, M) + "\r\n";
  auto row = [&](int r, bool headerRow) {
    table += "<" + M.Name("TR") + ">";
    for (int c = firstCol; c < ColCount(); ++c)
      if (!IsMergedNonBaseCell(DisplToRealColumn(c), r)) table += cellLine(c, r, headerRow);
    table += "</" + M.Name("TR") + ">\r\n";
  };
  if (header) row(0, true);
  const int dataRow = header ? std::max(firstRow, 1) : firstRow;
  ExportNotification(esExportStart, dataRow);
  for (int r = dataRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    row(r, false);
  }
  ExportNotification(esExportDone, -1);
  table += "</" + M.Name("TABLE") + ">\r\n";
  return HTMLDocument(S, M, classes.StyleBlock(M.XHTML), table);
}

std::string TExtStringGrid::SaveToHTMLString(const std::string& Dir) { return htmlDocument(AbsoluteFolder(Dir), false); }

std::string TExtStringGrid::HTMLClipboardDocument() {
  TClipboardPictureFolder& pictures = TClipboardPictureFolder::Instance();
  const std::string folder = FHTMLSettings.ExportImages() ? pictures.Fresh() : std::string();
  std::string document = NonAsciiToCharRefs(htmlDocument(folder, true));
  pictures.DropIfEmpty();
  return document;
}

void TExtStringGrid::writeHTMLFile(const std::string& FileName, bool Show, bool Unicode, bool Append) {
  std::string text;
  // Only a missing file starts a new one: a file that cannot be read (too
  // large, not readable, not a regular file) is refused by the read and kept.
  if (Append && PathExists(FileName)) AddFileLines(text, FileName);
  AddFileLines(text, FHTMLSettings.HeaderFile());
  text += SaveToHTMLString(fs::absolute(FileName).parent_path().string());
  AddFileLines(text, FHTMLSettings.FooterFile());
  if (FHTMLSettings.XHTML()) WriteFileAtomic(FileName, Unicode ? text : NonAsciiToCharRefs(text));
  else WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::Utf16LE) : NonAsciiToCharRefs(text));
  if (Show || FHTMLSettings.AutoPreview())
    platform::StartProgram("/usr/bin/xdg-open", {fs::absolute(FileName).string()}, true);
}

void TExtStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode) {
  writeHTMLFile(FileName, Show, Unicode, false);
}

void TExtStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode) {
  writeHTMLFile(FileName, Show, Unicode, true);
}
