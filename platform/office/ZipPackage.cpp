// Zip archives in memory through libzip.

#include "platform/office/ZipPackage.h"

#include <zip.h>

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
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;
using SourcePtr = std::unique_ptr<zip_source_t, SourceFree>;

[[noreturn]] void Fail(const std::string& What, zip_error_t* Error) {
  std::string reason = Error ? zip_error_strerror(Error) : "unknown error";
  throw OfficeFileError(What + ": " + reason);
}

}  // namespace

// The bytes stay with the archive that reads them.
struct ZipPackage::Archive {
  std::string bytes;
  ArchivePtr zip;
};

ZipPackage ZipPackage::FromBytes(const std::string& Bytes) {
  auto archive = std::make_shared<Archive>();
  archive->bytes = Bytes;
  zip_error_t error;
  zip_error_init(&error);
  SourcePtr src(zip_source_buffer_create(archive->bytes.data(), archive->bytes.size(), 0, &error));
  if (!src) Fail("Archive cannot be opened", &error);
  archive->zip.reset(zip_open_from_source(src.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive->zip) {
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw OfficeFileError("Not a valid office document (" + reason + ")");
  }
  src.release();  // the archive owns its source now
  zip_error_fini(&error);

  ZipPackage package;
  package.archive_ = archive;
  size_t total = 0;
  zip_t* z = archive->zip.get();
  const zip_int64_t count = zip_get_num_entries(z, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    if (zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
      throw OfficeFileError("Archive directory is damaged");
    std::string name = st.name;
    if (name.empty() || name.back() == '/') continue;  // folders carry nothing
    if (!(st.valid & ZIP_STAT_SIZE) || st.size > kMaxPartBytes) throw OfficeFileError("Part " + name + " is too large");
    total += static_cast<size_t>(st.size);
    if (total > kMaxTotalBytes) throw OfficeFileError("Document is too large");
    package.parts_[name].index = static_cast<unsigned long long>(i);
  }
  return package;
}

const ZipPackage::Entry& ZipPackage::entry(const std::string& Name) const {
  auto it = parts_.find(Name);
  if (it == parts_.end()) throw OfficeFileError("Document has no part " + Name);
  return it->second;
}

std::string ZipPackage::ReadPart(const std::string& Name) const {
  const Entry& e = entry(Name);
  if (e.bytes) return *e.bytes;
  zip_t* z = archive_->zip.get();
  zip_stat_t st;
  if (zip_stat_index(z, e.index, 0, &st) != 0) Fail("Part " + Name + " cannot be read", zip_get_error(z));
  std::unique_ptr<zip_file_t, FileCloser> f(zip_fopen_index(z, e.index, 0));
  if (!f) Fail("Part " + Name + " cannot be read", zip_get_error(z));
  std::string bytes(static_cast<size_t>(st.size), '\0');
  zip_int64_t got = bytes.empty() ? 0 : zip_fread(f.get(), bytes.data(), bytes.size());
  char extra;
  // Exactly the stated size, not a byte more: the stated size bounds the memory.
  if (got != static_cast<zip_int64_t>(bytes.size()) || zip_fread(f.get(), &extra, 1) != 0)
    throw OfficeFileError("Part " + Name + " is damaged");
  return bytes;
}

const std::string& ZipPackage::Part(const std::string& Name) const {
  const Entry& e = entry(Name);
  if (!e.bytes) parts_[Name].bytes = ReadPart(Name);
  return *e.bytes;
}

std::vector<std::string> ZipPackage::Names() const {
  std::vector<std::string> names;
  for (auto& [name, e] : parts_) names.push_back(name);
  return names;
}

std::string ZipPackage::ToBytes() const {
  zip_error_t error;
  zip_error_init(&error);
  SourcePtr out(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!out) Fail("Archive cannot be built", &error);
  ArchivePtr z(zip_open_from_source(out.get(), ZIP_TRUNCATE, &error));
  if (!z) Fail("Archive cannot be built", &error);
  zip_source_keep(out.get());  // read back after the archive is written

  std::vector<std::string> order;
  if (Has("[Content_Types].xml")) order.push_back("[Content_Types].xml");
  for (auto& [name, e] : parts_)
    if (name != "[Content_Types].xml") order.push_back(name);
  for (const std::string& name : order) {
    const Entry& e = parts_.at(name);
    // An untouched part streams across from the archive read, never held whole.
    zip_source_t* s = e.bytes ? zip_source_buffer(z.get(), e.bytes->data(), e.bytes->size(), 0)
                              : zip_source_zip(z.get(), archive_->zip.get(), e.index, 0, 0, -1);
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
