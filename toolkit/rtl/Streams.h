#pragma once
// Byte streams with the framework's contract: Read and Write move what they
// can and say how much; ReadBuffer and WriteBuffer insist on all of it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/rtl/Classes.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
  std::string ClassName() const override { return "TStream"; }

  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t NewSize);

  // Raise EReadError / EWriteError unless exactly Count bytes move.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source's position; Count 0 copies all of Source from its start.
  int64_t CopyFrom(TStream& Source, int64_t Count);

  // Everything from the current position to the end.
  std::vector<uint8_t> ReadAll();
  void WriteString(const std::string& s) { WriteBuffer(s.data(), static_cast<int64_t>(s.size())); }
};

// A stream over a block of memory that someone else provides.
class TCustomMemoryStream : public TStream {
public:
  std::string ClassName() const override { return "TCustomMemoryStream"; }
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return size_; }
  const uint8_t* Memory() const { return data_; }
  void SaveToStream(TStream& Stream);
  void SaveToFile(const std::string& FileName);

protected:
  void SetPointer(const uint8_t* Data, int64_t Size) { data_ = Data; size_ = Size; }
  int64_t StoredSize() const { return size_; }
  int64_t pos_ = 0;

private:
  const uint8_t* data_ = nullptr;
  int64_t size_ = 0;
};

// Grows by doubling its room with realloc: a large block moves by page
// tables rather than by copying, and blocks of megabytes ask for huge pages,
// whose first touch costs a fraction of that of small ones.
class TMemoryStream : public TCustomMemoryStream {
public:
  TMemoryStream() = default;
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;
  ~TMemoryStream() override;
  std::string ClassName() const override { return "TMemoryStream"; }
  int64_t Write(const void* Buffer, int64_t Count) override;
  void SetSize(int64_t NewSize) override;
  void Clear();
  void LoadFromStream(TStream& Stream);
  // Through the guarded read (FileUtils.h ReadFileBytes): regular files up to
  // its default limit, or up to MaxBytes.
  void LoadFromFile(const std::string& FileName);
  void LoadFromFile(const std::string& FileName, uint64_t MaxBytes);
  uint8_t* Memory() { return buffer_; }
  std::string_view Bytes() const {
    return {reinterpret_cast<const char*>(buffer_), static_cast<size_t>(StoredSize())};
  }

private:
  // The size becomes n; new room is zero-filled.
  void resize(int64_t n);
  void reserve(size_t n);
  void assign(const void* Data, size_t Count);
  uint8_t* buffer_ = nullptr;
  size_t capacity_ = 0;
};

// Text in a stream; DataString is the whole content.
class TStringStream : public TMemoryStream {
public:
  explicit TStringStream(const std::string& AString = {});
  std::string ClassName() const override { return "TStringStream"; }
  std::string DataString() const;
  // Reads up to Count bytes from the position.
  std::string ReadString(int64_t Count);
};

// An embedded resource (see EmbeddedResource.h) read like a file; it cannot be written.
class TResourceStream : public TCustomMemoryStream {
public:
  // Raises EResNotFound when no resource has this name.
  explicit TResourceStream(const std::string& ResName);
  std::string ClassName() const override { return "TResourceStream"; }
  int64_t Write(const void* Buffer, int64_t Count) override;
};

// Open modes. fmCreate truncates or creates; the share flags are accepted and ignored.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A file opened directly. Writing through it changes the file in place; code
// that replaces a whole file uses WriteFileAtomic (FileUtils.h) instead.
class TFileStream : public TStream {
public:
  // Raises EFCreateError (fmCreate) or EFOpenError naming the path.
  TFileStream(const std::string& FileName, uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::string ClassName() const override { return "TFileStream"; }
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;
  const std::string& FileName() const { return fileName_; }
  int Handle() const { return fd_; }

private:
  std::string fileName_;
  int fd_ = -1;
};
