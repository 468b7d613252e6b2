#pragma once
// Puts a shared-string table into a workbook archive and names it in the
// workbook's relationships, as a spreadsheet program writes it.

#include <string>

#include "platform/office/XlsxWorkbook.h"

inline void PutSharedStrings(platform::office::ZipPackage& Package, const std::string& Strings) {
  Package.SetPart("xl/sharedStrings.xml", Strings);
  std::string rels = Package.Part("xl/_rels/workbook.xml.rels");
  rels.insert(rels.rfind("</Relationships>"),
              "<Relationship Id=\"rIdS\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
              "sharedStrings\" Target=\"sharedStrings.xml\"/>");
  Package.SetPart("xl/_rels/workbook.xml.rels", rels);
}
