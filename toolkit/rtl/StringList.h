#pragma once
// TStrings, the abstract list of strings with objects, and TStringList, its
// in-memory implementation with sorting, duplicates control and change events.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/rtl/BlockVector.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Encoding.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
public:
  std::string ClassName() const override { return "TStrings"; }

  // ---- what a descendant provides ----
  virtual int Count() const = 0;
  virtual std::string Get(int Index) const = 0;
  virtual void Put(int Index, const std::string& S);
  virtual TObject* GetObject(int Index) const;
  virtual void PutObject(int Index, TObject* AObject);
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Insert(int Index, const std::string& S) = 0;
  virtual void InsertObject(int Index, const std::string& S, TObject* AObject);

  // ---- built on the above ----
  virtual int Add(const std::string& S);
  virtual int AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  void AddStrings(const TStrings& Strings);
  void AddStrings(const std::vector<std::string>& Strings);
  // Copies the lines, their objects and the text settings of another TStrings.
  void Assign(const TPersistent* Source) override;
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  virtual int IndexOf(const std::string& S) const;
  int IndexOfName(const std::string& Name) const;
  int IndexOfObject(const TObject* AObject) const;
  bool Equals(const TStrings& Strings) const;

  std::string Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const std::string& S) { Put(Index, S); }
  std::string operator[](int Index) const { return Get(Index); }
  TObject* Objects(int Index) const { return GetObject(Index); }
  void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }
  std::vector<std::string> ToVector() const;

  // "name=value" lines. A line without the separator has no name and no value.
  std::string Names(int Index) const;
  std::string Values(const std::string& Name) const;
  // An empty value deletes the line; a new name is added at the end.
  void SetValues(const std::string& Name, const std::string& Value);
  std::string ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const std::string& Value);

  // Every line followed by LineBreak (CR LF). Setting splits at CR LF, CR or LF.
  std::string Text() const;
  virtual void SetText(const std::string& Value);
  // Delimiter ',' and QuoteChar '"' whatever the settings, blanks separate too.
  std::string CommaText() const;
  void SetCommaText(const std::string& Value);
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& Value);

  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char c) { quoteChar_ = c; }
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }
  // When set, only the Delimiter separates items; blanks are data.
  bool StrictDelimiter() const { return strictDelimiter_; }
  void SetStrictDelimiter(bool v) { strictDelimiter_ = v; }
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(const std::string& s) { lineBreak_ = s; }

  // Reading decodes by the text-file rule (BOM, else UTF-8, else Windows-1252)
  // and changes nothing when the file cannot be read. Saving replaces the file atomically.
  virtual void LoadFromFile(const std::string& FileName);
  virtual void LoadFromStream(TStream& Stream);
  virtual void SaveToFile(const std::string& FileName, TTextEncoding Encoding = TTextEncoding::Utf8) const;
  virtual void SaveToStream(TStream& Stream, TTextEncoding Encoding = TTextEncoding::Utf8) const;

protected:
  virtual void SetUpdateState(bool) {}
  // How IndexOf, IndexOfName and Values match: ignoring case, by default.
  virtual int CompareStrings(const std::string& S1, const std::string& S2) const;
  [[noreturn]] void IndexError(int Index) const;

private:
  std::string delimitedText(char delim, char quote, bool strict) const;
  void setDelimitedText(const std::string& Value, char delim, char quote, bool strict);
  int separatorPos(int Index) const;

  int updateCount_ = 0;
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
  bool strictDelimiter_ = false;
  std::string lineBreak_ = "\r\n";
};

class TStringList;
// Negative when the item at Index1 sorts before the one at Index2.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
public:
  TStringList() = default;
  explicit TStringList(bool OwnsObjects) : ownsObjects_(OwnsObjects) {}
  ~TStringList() override;
  TStringList(const TStringList&) = delete;
  TStringList& operator=(const TStringList&) = delete;

  std::string ClassName() const override { return "TStringList"; }

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const std::string& S) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const std::string& S) const override;

  // Binary search on a sorted list: true when found, Index is the first
  // match or where S would go. On an unsorted list it searches linearly.
  bool Find(const std::string& S, int& Index) const;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates v) { duplicates_ = v; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool v);
  // When set, the list deletes its objects when they leave it.
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool v) { ownsObjects_ = v; }
  void SetCapacity(int) {}  // storage grows by blocks; nothing to reserve

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Case-aware comparison the way this list matches (CaseSensitive).
  int CompareStrings(const std::string& S1, const std::string& S2) const override;

protected:
  void SetUpdateState(bool Updating) override;
  virtual void Changed();
  virtual void Changing();
  void InsertItem(int Index, const std::string& S, TObject* AObject);

private:
  struct Item {
    std::string S;
    TObject* O = nullptr;
  };
  void check(int Index) const { if (Index < 0 || Index >= Count()) IndexError(Index); }
  void refuseIfSorted() const;
  void release(TObject* o) { if (ownsObjects_) delete o; }

  TBlockVector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  bool ownsObjects_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
