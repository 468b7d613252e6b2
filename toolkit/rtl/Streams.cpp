#include "toolkit/rtl/Streams.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "toolkit/rtl/EmbeddedResource.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"

// ---- TStream ----

int64_t TStream::Size() {
  int64_t pos = Seek(0, soCurrent);
  int64_t end = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return end;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count < 0 || Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count < 0 || Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  int64_t left = Count;
  std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(left, 1), 64 * 1024)));
  while (left > 0) {
    int64_t n = std::min<int64_t>(left, static_cast<int64_t>(buf.size()));
    Source.ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    left -= n;
  }
  return Count;
}

std::vector<uint8_t> TStream::ReadAll() {
  std::vector<uint8_t> out;
  uint8_t buf[64 * 1024];
  for (;;) {
    int64_t n = Read(buf, sizeof buf);
    if (n <= 0) break;
    out.insert(out.end(), buf, buf + n);
  }
  return out;
}

// ---- memory streams ----

int64_t TCustomMemoryStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || pos_ >= size_) return 0;
  int64_t n = std::min(Count, size_ - pos_);
  std::memcpy(Buffer, data_ + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? pos_ : size_;
  int64_t target = base + Offset;
  // A position before the start is meaningless; past the end is allowed and
  // reads nothing, like a file.
  if (target < 0) throw EStreamError("Invalid stream position");
  pos_ = target;
  return pos_;
}

void TCustomMemoryStream::SaveToStream(TStream& Stream) {
  if (size_ > 0) Stream.WriteBuffer(data_, size_);
}

void TCustomMemoryStream::SaveToFile(const std::string& FileName) {
  WriteFileAtomic(FileName, std::string_view(reinterpret_cast<const char*>(data_), static_cast<size_t>(size_)));
}

namespace {

// From this size on a stream's room is a mapping of its own: it grows by
// mremap (the kernel moves page tables, not bytes) and asks for huge pages.
constexpr size_t kMappedBlock = 1u << 20;

uint8_t* GrowBlock(uint8_t* Old, size_t OldRoom, size_t NewRoom, size_t Used) {
  if (NewRoom < kMappedBlock) {
    auto* grown = static_cast<uint8_t*>(std::realloc(Old, NewRoom));
    if (!grown) throw std::bad_alloc();
    return grown;
  }
  void* grown = OldRoom >= kMappedBlock
                    ? mremap(Old, OldRoom, NewRoom, MREMAP_MAYMOVE)
                    : mmap(nullptr, NewRoom, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (grown == MAP_FAILED) throw std::bad_alloc();
  (void)madvise(grown, NewRoom, MADV_HUGEPAGE);  // only advice: plain pages where there are none
  if (OldRoom < kMappedBlock) {
    if (Used) std::memcpy(grown, Old, Used);
    std::free(Old);
  }
  return static_cast<uint8_t*>(grown);
}

void FreeBlock(uint8_t* Block, size_t Room) {
  if (Room >= kMappedBlock) munmap(Block, Room);
  else std::free(Block);
}

}  // namespace

TMemoryStream::~TMemoryStream() { FreeBlock(buffer_, capacity_); }

void TMemoryStream::reserve(size_t n) {
  if (n <= capacity_) return;
  size_t room = std::max({n, capacity_ * 2, size_t{256}});
  if (room >= kMappedBlock) room = (room + kMappedBlock - 1) & ~(kMappedBlock - 1);
  buffer_ = GrowBlock(buffer_, capacity_, room, static_cast<size_t>(StoredSize()));
  capacity_ = room;
  SetPointer(buffer_, StoredSize());
}

void TMemoryStream::resize(int64_t n) {
  const auto size = static_cast<size_t>(StoredSize());
  const auto wanted = static_cast<size_t>(n);
  reserve(wanted);
  if (wanted > size) std::memset(buffer_ + size, 0, wanted - size);
  SetPointer(buffer_, n);
}

void TMemoryStream::assign(const void* Data, size_t Count) {
  SetPointer(buffer_, 0);
  reserve(Count);
  if (Count) std::memcpy(buffer_, Data, Count);
  SetPointer(buffer_, static_cast<int64_t>(Count));
  pos_ = 0;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  const int64_t end = pos_ + Count;
  // Appending copies straight behind the end; a gap after a seek past the end reads as zeros.
  if (end > StoredSize()) {
    reserve(static_cast<size_t>(end));
    if (pos_ > StoredSize()) std::memset(buffer_ + StoredSize(), 0, static_cast<size_t>(pos_ - StoredSize()));
    SetPointer(buffer_, end);
  }
  std::memcpy(buffer_ + pos_, Buffer, static_cast<size_t>(Count));
  pos_ = end;
  return Count;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError("Invalid stream size");
  resize(NewSize);
  if (pos_ > NewSize) pos_ = NewSize;
}

void TMemoryStream::Clear() {
  FreeBlock(buffer_, capacity_);
  buffer_ = nullptr;
  capacity_ = 0;
  SetPointer(nullptr, 0);
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  const std::vector<uint8_t> all = Stream.ReadAll();
  assign(all.data(), all.size());
}

void TMemoryStream::LoadFromFile(const std::string& FileName) { LoadFromFile(FileName, DefaultReadLimit); }

void TMemoryStream::LoadFromFile(const std::string& FileName, uint64_t MaxBytes) {
  const std::string bytes = ReadFileBytes(FileName, MaxBytes);
  assign(bytes.data(), bytes.size());
}

TStringStream::TStringStream(const std::string& AString) {
  WriteString(AString);
  pos_ = 0;
}

std::string TStringStream::DataString() const { return std::string(Bytes()); }

std::string TStringStream::ReadString(int64_t Count) {
  std::string s(static_cast<size_t>(std::max<int64_t>(0, Count)), '\0');
  s.resize(static_cast<size_t>(Read(s.data(), Count)));
  return s;
}

TResourceStream::TResourceStream(const std::string& ResName) {
  const EmbeddedResource* r = FindEmbeddedResource(ResName);
  if (!r) throw EResNotFound("Resource " + ResName + " not found");
  SetPointer(r->Data, static_cast<int64_t>(r->Size));
}

int64_t TResourceStream::Write(const void*, int64_t) {
  throw EStreamError("Cannot write to a read-only resource stream");
}

// ---- TFileStream ----

namespace {

std::string systemError() { return std::strerror(errno); }

}  // namespace

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode) : fileName_(FileName) {
  std::string path = SystemPath(FileName);
  if ((Mode & 0xFF00) == fmCreate) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) throw EFCreateError("Cannot create file \"" + FileName + "\". " + systemError());
    return;
  }
  int access = (Mode & 3) == fmOpenWrite ? O_WRONLY : (Mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
  fd_ = ::open(path.c_str(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) throw EFOpenError("Cannot open file \"" + FileName + "\". " + systemError());
  struct stat st {};
  const char* refused = ::fstat(fd_, &st) != 0 ? "Its type cannot be read"
                        : S_ISDIR(st.st_mode)    ? "It is a folder"
                        : !S_ISREG(st.st_mode)   ? "It is not a regular file"
                                                 : nullptr;
  if (refused) {
    ::close(fd_);
    fd_ = -1;
    throw EFOpenError("Cannot open file \"" + FileName + "\". " + refused);
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  int64_t done = 0;
  auto* p = static_cast<uint8_t*>(Buffer);
  while (done < Count) {
    ssize_t n = ::read(fd_, p + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  int64_t done = 0;
  auto* p = static_cast<const uint8_t*>(Buffer);
  while (done < Count) {
    ssize_t n = ::write(fd_, p + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(fd_, static_cast<off_t>(Offset), whence);
  if (r < 0) throw EStreamError("Invalid stream position in \"" + fileName_ + "\"");
  return r;
}

void TFileStream::SetSize(int64_t NewSize) {
  if (::ftruncate(fd_, static_cast<off_t>(NewSize)) != 0)
    throw EStreamError("Cannot resize file \"" + fileName_ + "\". " + systemError());
  if (Position() > NewSize) Seek(NewSize, soBeginning);
}
