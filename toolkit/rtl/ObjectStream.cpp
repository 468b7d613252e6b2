#include "toolkit/rtl/ObjectStream.h"

#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/Exceptions.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::string_view Signature = "TPF0";
// Lists inside lists are not written by anyone; a few levels keep the reader's stack bounded.
constexpr int MaxListDepth = 8;

}  // namespace

// ---- writing ---------------------------------------------------------------

template <typename T>
void TObjectWriter::raw(T Value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &Value, sizeof(T));  // the form is little-endian, as is every host we run on
  FOut.append(bytes, sizeof(T));
}

void TObjectWriter::shortString(std::string_view Text) {
  if (Text.size() > 255) throw EWriteError("Name too long for the object stream: " + std::string(Text.substr(0, 40)));
  FOut += static_cast<char>(Text.size());
  FOut += Text;
}

void TObjectWriter::BeginObject(std::string_view ClassName, std::string_view Name) {
  FOut += Signature;
  shortString(ClassName);
  shortString(Name);
}

void TObjectWriter::EndObject() {
  FOut += '\0';  // end of the properties
  FOut += '\0';  // end of the children
}

void TObjectWriter::name(std::string_view Prop) { shortString(Prop); }

void TObjectWriter::integerValue(int64_t Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    FOut += static_cast<char>(vaInt8);
    raw(static_cast<int8_t>(Value));
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    FOut += static_cast<char>(vaInt16);
    raw(static_cast<int16_t>(Value));
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    FOut += static_cast<char>(vaInt32);
    raw(static_cast<int32_t>(Value));
  } else {
    FOut += static_cast<char>(vaInt64);
    raw(Value);
  }
}

void TObjectWriter::stringValue(std::string_view Utf8) {
  // Seven-bit text is as long in UTF-16 as it is: never the wide form.
  const bool sevenBit = IsSevenBitText(Utf8);
  const std::u16string wide = sevenBit ? std::u16string() : Utf8ToUtf16(Utf8);
  if (!sevenBit && Utf8.size() >= 2 * wide.size() && !wide.empty()) {
    FOut += static_cast<char>(vaWString);
    raw(static_cast<uint32_t>(wide.size()));
    for (char16_t u : wide) raw(static_cast<uint16_t>(u));
  } else if (!sevenBit) {
    FOut += static_cast<char>(vaUTF8String);
    raw(static_cast<uint32_t>(Utf8.size()));
    FOut += Utf8;
  } else if (Utf8.size() < 256) {
    FOut += static_cast<char>(vaString);
    FOut += static_cast<char>(Utf8.size());
    FOut += Utf8;
  } else {
    FOut += static_cast<char>(vaLString);
    raw(static_cast<uint32_t>(Utf8.size()));
    FOut += Utf8;
  }
}

void TObjectWriter::WriteInteger(std::string_view Prop, int64_t Value) {
  name(Prop);
  integerValue(Value);
}

void TObjectWriter::WriteBoolean(std::string_view Prop, bool Value) {
  name(Prop);
  FOut += static_cast<char>(Value ? vaTrue : vaFalse);
}

void TObjectWriter::WriteString(std::string_view Prop, std::string_view Utf8) {
  if (Utf8.empty()) return;
  name(Prop);
  stringValue(Utf8);
}

void TObjectWriter::WriteIdent(std::string_view Prop, std::string_view Ident) {
  name(Prop);
  FOut += static_cast<char>(vaIdent);
  shortString(Ident);
}

void TObjectWriter::WriteSet(std::string_view Prop, const std::vector<std::string>& Idents) {
  name(Prop);
  FOut += static_cast<char>(vaSet);
  for (const std::string& i : Idents) shortString(i);
  FOut += '\0';
}

void TObjectWriter::WriteDouble(std::string_view Prop, double Value) {
  name(Prop);
  FOut += static_cast<char>(vaDouble);
  raw(Value);
}

void TObjectWriter::WriteBinary(std::string_view Prop, std::string_view Bytes) {
  name(Prop);
  FOut += static_cast<char>(vaBinary);
  raw(static_cast<uint32_t>(Bytes.size()));
  FOut += Bytes;
}

void TObjectWriter::WriteStrings(std::string_view Prop, const std::vector<std::string>& Items) {
  name(Prop);
  FOut += static_cast<char>(vaList);
  for (const std::string& item : Items) {
    if (item.empty()) {  // a list item is stored even when empty
      FOut += static_cast<char>(vaString);
      FOut += '\0';
    } else {
      stringValue(item);
    }
  }
  FOut += static_cast<char>(vaNull);
}

void TObjectWriter::BeginCollection(std::string_view Prop) {
  name(Prop);
  FOut += static_cast<char>(vaCollection);
}

void TObjectWriter::BeginItem() { FOut += static_cast<char>(vaList); }
void TObjectWriter::EndItem() { FOut += '\0'; }
void TObjectWriter::EndCollection() { FOut += static_cast<char>(vaNull); }

// ---- reading ---------------------------------------------------------------

void TObjectReader::fail(const std::string& What) const {
  throw EReadError("Invalid object stream at byte " + std::to_string(FPos) + ": " + What);
}

const char* TObjectReader::take(size_t Count, const char* What) {
  if (Count > BytesLeft()) fail(std::string(What) + " runs past the end of the data");
  const char* p = FBytes.data() + FPos;
  FPos += Count;
  return p;
}

uint8_t TObjectReader::byte(const char* What) { return static_cast<uint8_t>(*take(1, What)); }

template <typename T>
T TObjectReader::raw(const char* What) {
  T v;
  std::memcpy(&v, take(sizeof(T), What), sizeof(T));
  return v;
}

std::string TObjectReader::shortString(const char* What) {
  const uint8_t n = byte(What);
  return std::string(take(n, What), n);
}

void TObjectReader::shortStringInto(std::string& Out, const char* What) {
  const uint8_t n = byte(What);
  Out.assign(take(n, What), n);
}

uint32_t TObjectReader::count32(const char* What) {
  const uint32_t n = raw<uint32_t>(What);
  if (n > BytesLeft()) fail(std::string(What) + " length " + std::to_string(n) + " exceeds the bytes left");
  return n;
}

TStreamValue TObjectReader::value(int Depth) {
  TStreamValue v;
  v.Type = static_cast<TValueType>(byte("value tag"));
  switch (v.Type) {
    case vaNull: case vaNil: case vaFalse: case vaTrue: break;
    case vaInt8: v.Int = raw<int8_t>("integer"); break;
    case vaInt16: v.Int = raw<int16_t>("integer"); break;
    case vaInt32: v.Int = raw<int32_t>("integer"); break;
    case vaInt64: v.Int = raw<int64_t>("integer"); break;
    case vaSingle: v.Float = raw<float>("number"); break;
    case vaDouble: case vaDate: v.Float = raw<double>("number"); break;
    case vaCurrency: v.Float = static_cast<double>(raw<int64_t>("currency")) / 10000.0; break;
    case vaExtended: {
      // 64-bit mantissa with an explicit leading bit, 15-bit exponent, sign.
      const uint64_t mantissa = raw<uint64_t>("number");
      const uint16_t se = raw<uint16_t>("number");
      const int exponent = se & 0x7FFF;
      double d = exponent == 0x7FFF ? std::numeric_limits<double>::infinity()
                                    : std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
      v.Float = (se & 0x8000) ? -d : d;
      break;
    }
    case vaString:
      v.Text = shortString("string");
      if (!IsValidUtf8(v.Text)) v.Text = Windows1252ToUtf8(v.Text);
      break;
    case vaIdent: v.Text = shortString("identifier"); break;
    case vaLString: case vaUTF8String: case vaBinary: {
      const uint32_t n = count32("string");
      v.Text.assign(take(n, "string"), n);
      if (v.Type == vaLString && !IsValidUtf8(v.Text)) v.Text = Windows1252ToUtf8(v.Text);
      break;
    }
    case vaWString: {
      const uint32_t units = raw<uint32_t>("wide string");
      if (units > BytesLeft() / 2) fail("wide string length " + std::to_string(units) + " exceeds the bytes left");
      std::u16string wide(units, u'\0');
      std::memcpy(wide.data(), take(size_t{units} * 2, "wide string"), size_t{units} * 2);
      v.Text = Utf16ToUtf8(wide);
      break;
    }
    case vaSet:
      for (std::string ident = shortString("set"); !ident.empty(); ident = shortString("set"))
        v.Idents.push_back(std::move(ident));
      break;
    case vaList:
      if (Depth >= MaxListDepth) fail("lists nested too deeply");
      while (true) {
        if (BytesLeft() == 0) fail("list runs past the end of the data");
        if (FBytes[FPos] == static_cast<char>(vaNull)) {
          ++FPos;
          break;
        }
        v.Items.push_back(value(Depth + 1));
      }
      break;
    case vaCollection:
      if (Depth >= MaxListDepth) fail("collections nested too deeply");
      while (true) {
        if (BytesLeft() == 0) fail("collection runs past the end of the data");
        const auto tag = static_cast<TValueType>(FBytes[FPos]);
        if (tag == vaNull) {
          ++FPos;
          break;
        }
        // An item may carry its index first; the order of the items is what counts.
        if (tag == vaInt8 || tag == vaInt16 || tag == vaInt32) (void)value(Depth + 1);
        if (byte("collection item") != vaList) fail("collection item without its property list");
        v.Collection.push_back(properties(Depth + 1));
      }
      break;
    default:
      --FPos;
      fail("unknown value tag " + std::to_string(static_cast<int>(v.Type)));
  }
  return v;
}

TStreamObject TObjectReader::ReadObject() {
  TStreamObject obj;
  ReadObject(obj);
  return obj;
}

void TObjectReader::ReadObject(TStreamObject& Obj) {
  if (BytesLeft() < Signature.size() || FBytes.substr(FPos, Signature.size()) != Signature)
    fail("no object signature");
  FPos += Signature.size();
  shortStringInto(Obj.ClassName, "class name");
  if (Obj.ClassName.empty()) fail("empty class name");
  shortStringInto(Obj.Name, "object name");
  readProperties(Obj.Properties, 0);
  if (byte("child list") != 0) fail("child objects are not supported here");
}

std::vector<TStreamProperty> TObjectReader::properties(int Depth) {
  std::vector<TStreamProperty> out;
  readProperties(out, Depth);
  return out;
}

void TObjectReader::readProperties(std::vector<TStreamProperty>& Out, int Depth) {
  size_t n = 0;
  for (;; ++n) {
    if (n == Out.size()) Out.emplace_back();
    shortStringInto(Out[n].Name, "property name");
    if (Out[n].Name.empty()) break;
    Out[n].Value = value(Depth);
  }
  Out.resize(n);
}

const TStreamProperty* TStreamObject::Find(std::string_view Prop) const {
  for (const TStreamProperty& p : Properties)
    if (p.Name == Prop) return &p;
  return nullptr;
}

// ---- typed access ----------------------------------------------------------

namespace {

[[noreturn]] void WrongValue(const TStreamProperty& P, const char* Expected) {
  throw EReadError("Invalid property value for " + P.Name + ": " + Expected + " expected");
}

}  // namespace

int64_t StreamInteger(const TStreamProperty& P, int64_t Min, int64_t Max) {
  if (!P.Value.IsInteger()) WrongValue(P, "an integer");
  if (P.Value.Int < Min || P.Value.Int > Max) WrongValue(P, "an integer in range");
  return P.Value.Int;
}

bool StreamBoolean(const TStreamProperty& P) {
  if (!P.Value.IsBoolean()) WrongValue(P, "a Boolean");
  return P.Value.Type == vaTrue;
}

std::string StreamString(const TStreamProperty& P) {
  if (!P.Value.IsString()) WrongValue(P, "a string");
  return P.Value.Text;
}

std::string StreamIdent(const TStreamProperty& P) {
  if (P.Value.Type != vaIdent) WrongValue(P, "an identifier");
  return P.Value.Text;
}

double StreamFloat(const TStreamProperty& P) {
  if (P.Value.IsInteger()) return static_cast<double>(P.Value.Int);
  if (!P.Value.IsFloat()) WrongValue(P, "a number");
  return P.Value.Float;
}

std::string StreamBinary(const TStreamProperty& P) {
  if (P.Value.Type != vaBinary) WrongValue(P, "binary data");
  return P.Value.Text;
}

const std::vector<std::string>& StreamSet(const TStreamProperty& P) {
  if (P.Value.Type != vaSet) WrongValue(P, "a set");
  return P.Value.Idents;
}

std::vector<std::string> StreamStrings(const TStreamProperty& P) {
  if (P.Value.Type != vaList) WrongValue(P, "a list of strings");
  std::vector<std::string> out;
  for (const TStreamValue& item : P.Value.Items) {
    if (!item.IsString()) WrongValue(P, "a list of strings");
    out.push_back(item.Text);
  }
  return out;
}

const std::vector<std::vector<TStreamProperty>>& StreamCollection(const TStreamProperty& P) {
  if (P.Value.Type != vaCollection) WrongValue(P, "a collection");
  return P.Value.Collection;
}
