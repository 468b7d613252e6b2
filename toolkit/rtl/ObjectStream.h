#pragma once
// The binary object-stream form in which the framework stores persistent
// objects (form resources, the grid's cell records): per object the
// signature "TPF0", the class name and the object name as short strings,
// the stored properties as a name and a tagged value each, a 0 byte ending
// the properties and a 0 byte ending the (here always empty) child list.
//
// Nested objects' properties travel under dotted names ("Font.Size"); a
// collection is one value holding, per item, its own list of properties. The
// writer picks the smallest tag that holds a value, as the framework's own
// writer does, so that the bytes match what other readers of this form
// expect. The reader trusts no length or count in the bytes: each is checked
// against the bytes left, and malformed input raises EReadError.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
  vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

class TObjectWriter {
public:
  // Appends to Out.
  explicit TObjectWriter(std::string& Out) : FOut(Out) {}

  void BeginObject(std::string_view ClassName, std::string_view Name = {});
  void EndObject();

  void WriteInteger(std::string_view Prop, int64_t Value);
  void WriteBoolean(std::string_view Prop, bool Value);
  // UTF-8 text; an empty text is not stored at all.
  void WriteString(std::string_view Prop, std::string_view Utf8);
  void WriteIdent(std::string_view Prop, std::string_view Ident);
  void WriteSet(std::string_view Prop, const std::vector<std::string>& Idents);
  void WriteDouble(std::string_view Prop, double Value);
  void WriteBinary(std::string_view Prop, std::string_view Bytes);
  // A string list: vaList, one string value per item, vaNull.
  void WriteStrings(std::string_view Prop, const std::vector<std::string>& Items);
  // A collection: BeginCollection, then per item BeginItem, its properties
  // and EndItem, then EndCollection.
  void BeginCollection(std::string_view Prop);
  void BeginItem();
  void EndItem();
  void EndCollection();

private:
  void name(std::string_view Prop);
  void shortString(std::string_view Text);
  void integerValue(int64_t Value);
  void stringValue(std::string_view Utf8);
  template <typename T>
  void raw(T Value);
  std::string& FOut;
};

struct TStreamProperty;

// One value as read. Strings of every kind arrive as UTF-8 in Text; an
// identifier and binary data also use Text; sets keep their identifiers and
// lists their items.
struct TStreamValue {
  TValueType Type = vaNull;
  int64_t Int = 0;
  double Float = 0;
  std::string Text;
  std::vector<std::string> Idents;
  std::vector<TStreamValue> Items;
  // A collection's items, each its stored properties.
  std::vector<std::vector<TStreamProperty>> Collection;

  bool IsInteger() const { return Type == vaInt8 || Type == vaInt16 || Type == vaInt32 || Type == vaInt64; }
  bool IsString() const {
    return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
  }
  bool IsBoolean() const { return Type == vaFalse || Type == vaTrue; }
  bool IsFloat() const { return Type == vaExtended || Type == vaDouble || Type == vaSingle || Type == vaDate; }
};

struct TStreamProperty {
  std::string Name;
  TStreamValue Value;
};

struct TStreamObject {
  std::string ClassName;
  std::string Name;
  std::vector<TStreamProperty> Properties;
  // The property of that name (exact match), or nullptr.
  const TStreamProperty* Find(std::string_view Prop) const;
};

class TObjectReader {
public:
  explicit TObjectReader(std::string_view Bytes) : FBytes(Bytes) {}
  // Reads the object record at the position and moves past it.
  TStreamObject ReadObject();
  // The same into Obj, reusing its room: a reader of many records of few
  // properties allocates nothing per record.
  void ReadObject(TStreamObject& Obj);
  size_t Position() const { return FPos; }
  // Back to a position this reader has been at.
  void SetPosition(size_t Pos) {
    if (Pos > FBytes.size()) fail("position past the end of the data");
    FPos = Pos;
  }
  size_t BytesLeft() const { return FBytes.size() - FPos; }

private:
  [[noreturn]] void fail(const std::string& What) const;
  const char* take(size_t Count, const char* What);
  uint8_t byte(const char* What);
  std::string shortString(const char* What);
  uint32_t count32(const char* What);
  TStreamValue value(int Depth);
  std::vector<TStreamProperty> properties(int Depth);
  void readProperties(std::vector<TStreamProperty>& Out, int Depth);
  void shortStringInto(std::string& Out, const char* What);
  template <typename T>
  T raw(const char* What);
  std::string_view FBytes;
  size_t FPos = 0;
};

// The plain value of a property as the reader expects it; raise EReadError
// naming the property when the value has another type or does not fit.
int64_t StreamInteger(const TStreamProperty& P, int64_t Min, int64_t Max);
bool StreamBoolean(const TStreamProperty& P);
std::string StreamString(const TStreamProperty& P);
std::string StreamIdent(const TStreamProperty& P);
double StreamFloat(const TStreamProperty& P);
std::string StreamBinary(const TStreamProperty& P);
const std::vector<std::string>& StreamSet(const TStreamProperty& P);
std::vector<std::string> StreamStrings(const TStreamProperty& P);
const std::vector<std::vector<TStreamProperty>>& StreamCollection(const TStreamProperty& P);
