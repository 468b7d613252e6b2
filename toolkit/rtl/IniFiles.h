#pragma once
// INI files: sections of "name=value" lines. Section and key names match
// without regard to case. Files are read with the text-file rule and always
// replaced whole (WriteFileAtomic), so a failed save leaves the old file.

#include <memory>
#include <string>

#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Encoding.h"

class TStrings;
class TStringList;

class TCustomIniFile : public TObject {
public:
  explicit TCustomIniFile(const std::string& FileName) : fileName_(FileName) {}
  std::string ClassName() const override { return "TCustomIniFile"; }
  const std::string& FileName() const { return fileName_; }

  virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const = 0;
  virtual void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) = 0;
  // Key names of a section, in file order.
  virtual void ReadSection(const std::string& Section, TStrings& Strings) const = 0;
  virtual void ReadSections(TStrings& Strings) const = 0;
  // The "name=value" lines of a section.
  virtual void ReadSectionValues(const std::string& Section, TStrings& Strings) const = 0;
  virtual void EraseSection(const std::string& Section) = 0;
  virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
  virtual void UpdateFile() = 0;

  bool SectionExists(const std::string& Section) const;
  virtual bool ValueExists(const std::string& Section, const std::string& Ident) const;

  // A value that is missing or does not convert gives Default.
  virtual int ReadInteger(const std::string& Section, const std::string& Ident, int Default) const;
  virtual void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
  virtual bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const;
  virtual void WriteBool(const std::string& Section, const std::string& Ident, bool Value);  // "1" / "0"
  virtual double ReadFloat(const std::string& Section, const std::string& Ident, double Default) const;
  virtual void WriteFloat(const std::string& Section, const std::string& Ident, double Value);
  virtual TDateTime ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default) const;
  virtual void WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value);
  virtual TDateTime ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default) const;
  virtual void WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value);
  virtual TDateTime ReadDateTime(const std::string& Section, const std::string& Ident, TDateTime Default) const;
  virtual void WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value);

protected:
  void SetFileName(const std::string& f) { fileName_ = f; }

private:
  std::string fileName_;
};

// The whole file in memory: read when created, written by UpdateFile only.
class TMemIniFile : public TCustomIniFile {
public:
  // A missing file is an empty one; an unreadable one raises EFOpenError.
  explicit TMemIniFile(const std::string& FileName);
  ~TMemIniFile() override;
  TMemIniFile(const TMemIniFile&) = delete;
  TMemIniFile& operator=(const TMemIniFile&) = delete;
  std::string ClassName() const override { return "TMemIniFile"; }

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) const override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings& Strings) const override;
  void ReadSections(TStrings& Strings) const override;
  void ReadSectionValues(const std::string& Section, TStrings& Strings) const override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  void UpdateFile() override;

  void Clear();
  // The file's text: "[Section]" lines, their "name=value" lines, a blank line after each section.
  void GetStrings(TStrings& List) const;
  // Replaces everything with the sections parsed from List.
  void SetStrings(const TStrings& List);
  // Points at another file, reading it when Reload.
  void Rename(const std::string& FileName, bool Reload);
  // The encoding UpdateFile writes: that of the file read (UTF-8 for a new
  // file or one that was Windows-1252).
  TTextEncoding Encoding() const { return encoding_; }
  void SetEncoding(TTextEncoding e) { encoding_ = e; }

protected:
  TStringList* FindSection(const std::string& Section) const;
  TStringList* AddSection(const std::string& Section);
  void Load();

private:
  std::unique_ptr<TStringList> sections_;  // objects: the sections' lines (owned)
  TTextEncoding encoding_ = TTextEncoding::Utf8;
};

// An INI file whose every change reaches the disk at once, as the system's
// own INI functions do.
class TIniFile : public TMemIniFile {
public:
  explicit TIniFile(const std::string& FileName) : TMemIniFile(FileName) {}
  std::string ClassName() const override { return "TIniFile"; }
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
};
