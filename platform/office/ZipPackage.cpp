// Zip archives in memory through libzip.

#include "platform/office/ZipPackage.h"

#include <zip.h>

#include <memory>

namespace platform::office {
namespace {

struct ArchiveCloser {
  void operator()(zip_t* Z) const { zip_discard(Z); }
};
struct FileCloser {
  void operator()(zip_file_t* F) const { zip_fclose(F); }
};
struct SourceFree {
  void operator()(zip_source_t* S) const { zip_source_free(S); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using SourcePtr = std::unique_ptr<zip_source_t, SourceFree>;

[[noreturn]] void Fail(const std::string& What, zip_error_t* Error) {
  std::string reason = Error ? zip_error_strerror(Error) : "unknown error";
  throw OfficeFileError(What + ": " + reason);
}

std::string ReadPart(zip_t* Z, zip_uint64_t Index, const zip_stat_t& St) {
  if (!(St.valid & ZIP_STAT_SIZE) || St.size > ZipPackage::kMaxPartBytes)
    throw OfficeFileError(std::string("Part ") + St.name + " is too large");
  std::unique_ptr<zip_file_t, FileCloser> f(zip_fopen_index(Z, Index, 0));
  if (!f) Fail(std::string("Part ") + St.name + " cannot be read", zip_get_error(Z));
  std::string bytes(static_cast<size_t>(St.size), '\0');
  zip_int64_t got = bytes.empty() ? 0 : zip_fread(f.get(), bytes.data(), bytes.size());
  char extra;
  // Exactly the stated size, not a byte more: the stated size bounds the memory.
  if (got != static_cast<zip_int64_t>(bytes.size()) || zip_fread(f.get(), &extra, 1) != 0)
    throw OfficeFileError(std::string("Part ") + St.name + " is damaged");
  return bytes;
}

}  // namespace

ZipPackage ZipPackage::FromBytes(const std::string& Bytes) {
  zip_error_t error;
  zip_error_init(&error);
  SourcePtr src(zip_source_buffer_create(Bytes.data(), Bytes.size(), 0, &error));
  if (!src) Fail("Archive cannot be opened", &error);
  Archive z(zip_open_from_source(src.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!z) {
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw OfficeFileError("Not a valid office document (" + reason + ")");
  }
  src.release();  // the archive owns its source now
  zip_error_fini(&error);

  ZipPackage package;
  size_t total = 0;
  const zip_int64_t count = zip_get_num_entries(z.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    if (zip_stat_index(z.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
      throw OfficeFileError("Archive directory is damaged");
    std::string name = st.name;
    if (name.empty() || name.back() == '/') continue;  // folders carry nothing
    std::string bytes = ReadPart(z.get(), static_cast<zip_uint64_t>(i), st);
    total += bytes.size();
    if (total > kMaxTotalBytes) throw OfficeFileError("Document is too large");
    package.parts_[name] = std::move(bytes);
  }
  return package;
}

const std::string& ZipPackage::Part(const std::string& Name) const {
  auto it = parts_.find(Name);
  if (it == parts_.end()) throw OfficeFileError("Document has no part " + Name);
  return it->second;
}

std::vector<std::string> ZipPackage::Names() const {
  std::vector<std::string> names;
  for (auto& [name, bytes] : parts_) names.push_back(name);
  return names;
}

std::string ZipPackage::ToBytes() const {
  zip_error_t error;
  zip_error_init(&error);
  SourcePtr out(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!out) Fail("Archive cannot be built", &error);
  Archive z(zip_open_from_source(out.get(), ZIP_TRUNCATE, &error));
  if (!z) Fail("Archive cannot be built", &error);
  zip_source_keep(out.get());  // read back after the archive is written

  std::vector<std::string> order;
  if (Has("[Content_Types].xml")) order.push_back("[Content_Types].xml");
  for (auto& [name, bytes] : parts_)
    if (name != "[Content_Types].xml") order.push_back(name);
  for (const std::string& name : order) {
    const std::string& bytes = parts_.at(name);
    zip_source_t* s = zip_source_buffer(z.get(), bytes.data(), bytes.size(), 0);
    if (!s) Fail("Archive cannot be built", zip_get_error(z.get()));
    if (zip_file_add(z.get(), name.c_str(), s, ZIP_FL_ENC_UTF_8) < 0) {
      zip_source_free(s);
      Fail("Part " + name + " cannot be stored", zip_get_error(z.get()));
    }
  }
  if (zip_close(z.get()) != 0) Fail("Archive cannot be built", zip_get_error(z.get()));
  z.release();  // closed

  zip_stat_t st;
  if (zip_source_stat(out.get(), &st) != 0 || zip_source_open(out.get()) != 0)
    Fail("Archive cannot be read back", zip_source_error(out.get()));
  std::string bytes(static_cast<size_t>(st.size), '\0');
  zip_int64_t got = bytes.empty() ? 0 : zip_source_read(out.get(), bytes.data(), bytes.size());
  zip_source_close(out.get());
  if (got != static_cast<zip_int64_t>(bytes.size())) Fail("Archive cannot be read back", zip_source_error(out.get()));
  return bytes;
}

}  // namespace platform::office
