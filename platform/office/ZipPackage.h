#pragma once
// The zip container of office documents (workbooks, word-processor files):
// the archive is kept as it came and a part is inflated only when it is
// asked for, so that listing a workbook's sheets or reading one sheet does
// not pay for the others; parts replaced or added are written back with the
// untouched ones copied across.
//
// Nothing the archive says is trusted: every part's size is checked against a
// limit when the archive is opened and against the bytes actually inflated,
// so a damaged or hostile archive raises OfficeFileError and never exhausts
// memory.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/OfficeFileError.h"

namespace platform::office {

class ZipPackage {
public:
  // Limits of one part and of all parts together once inflated.
  static constexpr size_t kMaxPartBytes = 64u << 20;
  static constexpr size_t kMaxTotalBytes = 256u << 20;

  ZipPackage() = default;
  // The parts of an archive held in Bytes; raises OfficeFileError for anything
  // that is not a readable zip archive within the limits.
  static ZipPackage FromBytes(const std::string& Bytes);

  bool Has(const std::string& Name) const { return parts_.count(Name) != 0; }
  // The part's bytes, inflated on first use and kept; raises OfficeFileError
  // naming a missing or damaged part.
  const std::string& Part(const std::string& Name) const;
  // The part's bytes for one reading, not kept (for the large parts).
  std::string ReadPart(const std::string& Name) const;
  void SetPart(const std::string& Name, std::string Bytes) { parts_[Name].bytes = std::move(Bytes); }
  void RemovePart(const std::string& Name) { parts_.erase(Name); }
  std::vector<std::string> Names() const;

  // The archive: "[Content_Types].xml" first, as readers of the format expect.
  std::string ToBytes() const;

private:
  struct Archive;  // the archive read, open for its parts
  struct Entry {
    unsigned long long index = 0;  // in the archive read, when bytes holds nothing
    std::optional<std::string> bytes;
  };
  const Entry& entry(const std::string& Name) const;

  std::shared_ptr<Archive> archive_;
  mutable std::map<std::string, Entry> parts_;
};

}  // namespace platform::office
