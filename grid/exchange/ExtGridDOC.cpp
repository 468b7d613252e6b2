// The grid as a table of a word-processor document ("word.application"):
// a new document, or appended to a document at a bookmark or at its end.
// A document that cannot be saved raises instead of ending as if it had worked.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/exchange/OfficeSession.h"

namespace {

using namespace platform::automation;

const char* const kWordNotFound = "Word OLE server not found";

}  // namespace

void TExtStringGrid::SaveToDOC(const std::string& Filename, bool CreateNewDocument) {
  writeDOC(Filename, CreateNewDocument, false, "");
}

void TExtStringGrid::AppendToDoc(const std::string& Filename, const std::string& Bookmark) { writeDOC(Filename, false, true, Bookmark); }

void TExtStringGrid::writeDOC(const std::string& Filename, bool CreateNewDocument, bool Append, const std::string& Bookmark) {
  THourGlass hourglass;
  TOfficeServer<WordApplication> app("word.application", true, kWordNotFound);
  WordDocument* doc = nullptr;
  WordTable* table = nullptr;
  OfficeCall("Word document could not be prepared", [&] {
    if (Append) doc = &app->OpenDocument(Filename);
    else if (CreateNewDocument || app->DocumentsCount() == 0) doc = &app->AddDocument();
    else doc = &app->ActiveDocument();
    doc->SetShowSpellingErrors(false);
    app->SelectionTypeText(Text());
    app->SelectionTypeParagraph();
    WordRange at;
    if (Append && !Bookmark.empty() && doc->BookmarkExists(Bookmark)) {
      at = doc->GotoBookmark(Bookmark);
    } else if (Append) {
      doc->AddParagraph();
      app->SelectionGotoLastLine();
      const int end = app->SelectionEnd();
      at = doc->Range(end, end);
    } else {
      at = doc->Range(0, 0);
    }
    table = &doc->AddTable(at, RowCount(), ColCount());
  });

  int last = -1;
  ExportNotification(esExportStart, 0);
  for (int a = 1; a <= RowCount(); ++a) {
    ExportNotification(esExportNextRow, a);
    for (int c = 1; c <= ColCount(); ++c) {
      TAlignment align = taLeftJustify;
      TVAlignment valign = vtaTop;
      const int real = DisplToRealColumn(c - 1);
      GetCellAlignment(real, a - 1, align, valign);
      const std::string text = ExportCellText(real, a - 1);
      OfficeCall("Word document could not be written", [&] {
        table->InsertAfter(a, c, text);
        if (align == taRightJustify) table->SetAlignment(a, c, wdAlignRight);
        else if (align == taCenter) table->SetAlignment(a, c, wdAlignCenter);
      });
    }
    fileProgress(static_cast<int>(std::lround(100.0 * a / RowCount())), last);
  }
  ExportNotification(esExportDone, -1);
  OfficeCall("Word document could not be saved as " + Filename, [&] { doc->SaveAs(Filename); });
}
