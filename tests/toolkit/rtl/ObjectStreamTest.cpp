#include "toolkit/rtl/ObjectStream.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

#include <functional>

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}
std::string Short(const std::string& s) { return static_cast<char>(s.size()) + s; }

std::string OneProperty(const std::function<void(TObjectWriter&)>& Write) {
  std::string out;
  TObjectWriter w(out);
  w.BeginObject("TThing");
  Write(w);
  w.EndObject();
  return out;
}

}  // namespace

TEST(ObjectStream, IntegersTakeTheSmallestTag) {
  struct Case {
    int64_t value;
    std::string bytes;
  } cases[] = {
      {0, Bytes({vaInt8, 0})},
      {-128, Bytes({vaInt8, 0x80})},
      {200, Bytes({vaInt16, 200, 0})},
      {-32768, Bytes({vaInt16, 0x00, 0x80})},
      {70000, Bytes({vaInt32, 0x70, 0x11, 0x01, 0x00})},
      {int64_t{1} << 40, Bytes({vaInt64, 0, 0, 0, 0, 0, 1, 0, 0})},
  };
  for (const Case& c : cases) {
    const std::string out = OneProperty([&](TObjectWriter& w) { w.WriteInteger("N", c.value); });
    EXPECT_EQ(out, "TPF0" + Short("TThing") + Short("") + Short("N") + c.bytes + Bytes({0, 0})) << c.value;
    TObjectReader r(out);
    const TStreamObject obj = r.ReadObject();
    ASSERT_NE(obj.Find("N"), nullptr);
    EXPECT_EQ(StreamInteger(*obj.Find("N"), INT64_MIN, INT64_MAX), c.value);
    EXPECT_EQ(r.BytesLeft(), 0u);
  }
}

TEST(ObjectStream, StringsAreStoredByWhatTheyHold) {
  const std::string longAscii(300, 'x');
  struct Case {
    std::string text;
    std::string bytes;
  } cases[] = {
      {"abc", Bytes({vaString, 3}) + "abc"},
      {longAscii, Bytes({vaLString, 0x2C, 0x01, 0, 0}) + longAscii},
      {"caf\xC3\xA9", Bytes({vaUTF8String, 5, 0, 0, 0}) + "caf\xC3\xA9"},
      {"\xE6\x97\xA5\xE6\x9C\xAC", Bytes({vaWString, 2, 0, 0, 0, 0xE5, 0x65, 0x2C, 0x67})},
  };
  for (const Case& c : cases) {
    const std::string out = OneProperty([&](TObjectWriter& w) { w.WriteString("S", c.text); });
    EXPECT_EQ(out.substr(4 + 7 + 1 + 2, c.bytes.size()), c.bytes);
    TObjectReader r(out);
    EXPECT_EQ(StreamString(*r.ReadObject().Find("S")), c.text);
  }
  EXPECT_EQ(OneProperty([](TObjectWriter& w) { w.WriteString("S", ""); }),
            "TPF0" + Short("TThing") + Short("") + Bytes({0, 0}));
}

TEST(ObjectStream, OtherValuesRoundTrip) {
  const std::string out = OneProperty([](TObjectWriter& w) {
    w.WriteBoolean("B", true);
    w.WriteIdent("E", "taCenter");
    w.WriteSet("Set", {"fsBold", "fsItalic"});
    w.WriteDouble("D", 2.5);
    w.WriteBinary("Bin.Data", std::string("\0\1\2", 3));
    w.WriteStrings("Strings", {"a", "", "\xC3\xA9"});
  });
  TObjectReader r(out);
  const TStreamObject obj = r.ReadObject();
  EXPECT_EQ(obj.ClassName, "TThing");
  EXPECT_TRUE(StreamBoolean(*obj.Find("B")));
  EXPECT_EQ(StreamIdent(*obj.Find("E")), "taCenter");
  EXPECT_EQ(StreamSet(*obj.Find("Set")), (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(StreamFloat(*obj.Find("D")), 2.5);
  EXPECT_EQ(StreamBinary(*obj.Find("Bin.Data")), std::string("\0\1\2", 3));
  EXPECT_EQ(StreamStrings(*obj.Find("Strings")), (std::vector<std::string>{"a", "", "\xC3\xA9"}));
  EXPECT_THROW(StreamInteger(*obj.Find("B"), 0, 1), EReadError);
  EXPECT_THROW(StreamString(*obj.Find("D")), EReadError);
}

TEST(ObjectStream, ReaderTrustsNoLengthOrTag) {
  const std::string good = OneProperty([](TObjectWriter& w) {
    w.WriteString("S", std::string(300, 'y'));
    w.WriteStrings("L", {"a", "b"});
  });
  for (size_t n = 0; n < good.size(); ++n) {
    TObjectReader r(std::string_view(good).substr(0, n));
    EXPECT_THROW(r.ReadObject(), EReadError) << "cut at " << n;
  }
  const std::string head = "TPF0" + Short("TThing") + Short("");
  const std::string bad[] = {
      head + Short("S") + Bytes({vaLString, 0xFF, 0xFF, 0xFF, 0x7F}) + "abc",
      head + Short("S") + Bytes({vaWString, 0xFF, 0xFF, 0xFF, 0xFF}) + "ab",
      head + Short("S") + Bytes({vaBinary, 10, 0, 0, 0}) + "abc",
      head + Short("S") + Bytes({99}),
      head + Short("S") + std::string(20, static_cast<char>(vaList)),
      head + Short("C") + std::string(20, static_cast<char>(vaCollection)),
      head + Short("C") + Bytes({vaCollection, vaInt8, 1, vaString}),  // an item without its property list
      "TPF1" + Short("TThing") + Short("") + Bytes({0, 0}),
      head + Bytes({0, 1}),
  };
  for (const std::string& b : bad) {
    TObjectReader r(b);
    EXPECT_THROW(r.ReadObject(), EReadError);
  }
}

TEST(ObjectStream, CollectionsHoldThePropertiesOfEachItem) {
  const std::string bytes = OneProperty([](TObjectWriter& w) {
    w.BeginCollection("Items");
    w.BeginItem();
    w.WriteString("Header", "A");
    w.WriteInteger("Width", 64);
    w.EndItem();
    w.BeginItem();
    w.EndItem();
    w.EndCollection();
    w.WriteBoolean("After", true);
  });
  const std::string head = "TPF0" + Short("TThing") + Short("");
  EXPECT_EQ(bytes, head + Short("Items") + Bytes({vaCollection, vaList}) + Short("Header") + Bytes({vaString}) +
                       Short("A") + Short("Width") + Bytes({vaInt8, 64, 0, vaList, 0, vaNull}) + Short("After") +
                       Bytes({vaTrue, 0, 0}));
  TObjectReader r(bytes);
  const TStreamObject o = r.ReadObject();
  ASSERT_EQ(o.Properties.size(), 2u);
  const auto& items = StreamCollection(o.Properties[0]);
  ASSERT_EQ(items.size(), 2u);
  ASSERT_EQ(items[0].size(), 2u);
  EXPECT_EQ(StreamString(items[0][0]), "A");
  EXPECT_EQ(StreamInteger(items[0][1], 0, 100), 64);
  EXPECT_TRUE(items[1].empty());
  EXPECT_TRUE(StreamBoolean(o.Properties[1]));
  EXPECT_THROW(StreamCollection(o.Properties[1]), EReadError);
  // An item may carry its index before its properties.
  const std::string indexed = head + Short("Items") + Bytes({vaCollection, vaInt8, 3, vaList}) + Short("W") +
                              Bytes({vaInt8, 1, 0, vaNull, 0, 0});
  TObjectReader ri(indexed);
  EXPECT_EQ(StreamCollection(ri.ReadObject().Properties[0]).size(), 1u);
}

// One object read record after record keeps only the properties of the
// record just read, whatever the one before held.
TEST(ObjectStream, ReadingIntoOneObjectKeepsOnlyTheLastRecord) {
  std::string bytes;
  TObjectWriter w(bytes);
  w.BeginObject("TFirst", "one");
  w.WriteInteger("A", 1);
  w.WriteString("B", "two");
  w.WriteBoolean("C", true);
  w.EndObject();
  w.BeginObject("TSecond");
  w.WriteString("A", "text");
  w.EndObject();
  TObjectReader r(bytes);
  TStreamObject obj;
  r.ReadObject(obj);
  ASSERT_EQ(obj.Properties.size(), 3u);
  EXPECT_EQ(StreamString(*obj.Find("B")), "two");
  r.ReadObject(obj);
  EXPECT_EQ(obj.ClassName, "TSecond");
  EXPECT_EQ(obj.Name, "");
  ASSERT_EQ(obj.Properties.size(), 1u);
  EXPECT_EQ(StreamString(*obj.Find("A")), "text");
  EXPECT_EQ(obj.Find("B"), nullptr);
  EXPECT_EQ(r.BytesLeft(), 0u);
}
