#pragma once
// Crafted files of the hostile-file benchmarks, made once into the temporary
// folder and read from there afterwards, and the process's peak resident
// memory. Making a bomb takes memory of its own: for a peak that is the
// benchmark's own, run one benchmark per process with --benchmark_filter
// after a first run has made the files.
//
//   a workbook bomb: four sheets of 60 MB of "<c><v>1</v></c>" in 250 rows
//     of 16,000 cells (4,000,000 cells a sheet), a few hundred KB zipped;
//   a document bomb: a .docx whose document part is 64 MB of empty paragraphs.

#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "platform/kernel/AtomicFile.h"
#include "platform/kernel/GuardedRead.h"

#include "platform/office/DocxDocument.h"
#include "platform/office/XlsxWorkbook.h"

namespace hostile {

inline double PeakMB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

inline std::string WorkbookBomb() {
  using namespace platform::office;
  std::string row = "<row>";
  for (int c = 0; c < 16000; ++c) row += "<c><v>1</v></c>";
  row += "</row>";
  std::string sheet = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  sheet.reserve(61u << 20);
  for (int r = 0; r < 250; ++r) sheet += row;
  sheet += "</sheetData></worksheet>";
  XlsxWorkbook wb = XlsxWorkbook::New();
  for (int i = 1; i < 4; ++i) wb.AddSheet();
  ZipPackage p = ZipPackage::FromBytes(wb.ToBytes());
  for (int i = 1; i <= 4; ++i) p.SetPart("xl/worksheets/sheet" + std::to_string(i) + ".xml", sheet);
  return p.ToBytes();
}

inline std::string DocumentBomb() {
  using namespace platform::office;
  ZipPackage p = ZipPackage::FromBytes(DocxDocument::New().ToBytes());
  std::string body = "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
  body.reserve(64u << 20);
  while (body.size() < (64u << 20) - 64) body += "<w:p/>";
  p.SetPart("word/document.xml", body + "</w:body></w:document>");
  return p.ToBytes();
}

// The file at Name in the temporary folder, made by Make when missing.
template <class F>
std::string File(const std::string& Name, F Make) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / Name;
  if (!std::filesystem::exists(path)) platform::WriteFileAtomic(path, Make());
  return path.string();
}

inline std::string WorkbookBombFile() { return File("quelix_bench_bomb.xlsx", WorkbookBomb); }
inline std::string DocumentBombFile() { return File("quelix_bench_bomb.docx", DocumentBomb); }

}  // namespace hostile
