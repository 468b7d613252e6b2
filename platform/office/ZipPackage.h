#pragma once
// The zip container of office documents (workbooks, word-processor files):
// read whole into memory, parts replaced or added, written back whole.
//
// Nothing the archive says is trusted: every part's size is checked against a
// limit before it is inflated and against the bytes actually inflated, so a
// damaged or hostile archive raises OfficeFileError and never exhausts memory.

#include <map>
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
  // The part's bytes; raises OfficeFileError naming a missing part.
  const std::string& Part(const std::string& Name) const;
  void SetPart(const std::string& Name, std::string Bytes) { parts_[Name] = std::move(Bytes); }
  void RemovePart(const std::string& Name) { parts_.erase(Name); }
  std::vector<std::string> Names() const;

  // The archive: "[Content_Types].xml" first, as readers of the format expect.
  std::string ToBytes() const;

private:
  std::map<std::string, std::string> parts_;
};

}  // namespace platform::office
