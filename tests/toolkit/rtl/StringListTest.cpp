#include "toolkit/rtl/StringList.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"

namespace {

std::vector<std::string> lines(const TStrings& s) { return s.ToVector(); }
using V = std::vector<std::string>;

}  // namespace

TEST(StringList, SortedInsertKeepsOrderIgnoringCase) {
  TStringList l;
  l.SetSorted(true);
  for (const char* s : {"pear", "Apple", "banana", "apple2", "Cherry"}) l.Add(s);
  EXPECT_EQ(lines(l), (V{"Apple", "apple2", "banana", "Cherry", "pear"}));
  int i = -1;
  EXPECT_TRUE(l.Find("CHERRY", i));
  EXPECT_EQ(i, 3);
  EXPECT_FALSE(l.Find("c", i));
  EXPECT_EQ(i, 3);  // where it would go
  EXPECT_EQ(l.IndexOf("BANANA"), 2);
  EXPECT_THROW(l.Insert(0, "x"), EStringListError);
  EXPECT_THROW(l.SetStrings(0, "x"), EStringListError);
  EXPECT_THROW(l.Exchange(0, 1), EStringListError);
}

struct DupCase {
  TDuplicates mode;
  bool throws;
  int count;
};

class StringListDuplicates : public testing::TestWithParam<DupCase> {};

TEST_P(StringListDuplicates, SecondEqualString) {
  TStringList l;
  l.SetSorted(true);
  l.SetDuplicates(GetParam().mode);
  l.Add("b");
  l.Add("a");
  if (GetParam().throws) {
    EXPECT_THROW(l.Add("A"), EStringListError);
  } else {
    EXPECT_EQ(l.Add("A"), 0);
  }
  EXPECT_EQ(l.Count(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Modes, StringListDuplicates,
                         testing::Values(DupCase{dupIgnore, false, 2}, DupCase{dupAccept, false, 3},
                                         DupCase{dupError, true, 2}));

TEST(StringList, DuplicatesOnlyMatterWhenSorted) {
  TStringList l;
  l.SetDuplicates(dupError);
  l.Add("x");
  l.Add("x");
  EXPECT_EQ(l.Count(), 2);
}

TEST(StringList, CaseSensitiveSortPutsLowerCaseFirstAmongEquals) {
  TStringList l;
  l.SetCaseSensitive(true);
  l.SetSorted(true);
  l.SetDuplicates(dupIgnore);
  for (const char* s : {"b", "B", "a", "A", "a"}) l.Add(s);
  EXPECT_EQ(lines(l), (V{"a", "A", "b", "B"}));
  l.SetCaseSensitive(false);
  EXPECT_EQ(l.IndexOf("b"), 2);
}

struct CommaCase {
  const char* text;
  V items;
};

class CommaTextRead : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextRead, Splits) {
  TStringList l;
  l.SetCommaText(GetParam().text);
  EXPECT_EQ(lines(l), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextRead,
    testing::Values(CommaCase{"a,b,c", {"a", "b", "c"}}, CommaCase{"", {}},
                    CommaCase{"  a , b  ", {"a", "b"}},            // blanks around items go
                    CommaCase{"a b,c", {"a", "b", "c"}},           // a blank separates too
                    CommaCase{"\"a b\",c", {"a b", "c"}},          // quotes keep blanks
                    CommaCase{"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                    CommaCase{"a,,b", {"a", "", "b"}}, CommaCase{"a,", {"a", ""}},
                    CommaCase{"\"\"", {""}}, CommaCase{"\"open", {"open"}}));

TEST(StringList, CommaTextWriteQuotesWhatNeedsIt) {
  TStringList l;
  l.AddStrings(V{"plain", "with blank", "q\"uote", "com,ma", "", "\xC3\xA9t\xC3\xA9"});
  EXPECT_EQ(l.CommaText(), "plain,\"with blank\",\"q\"\"uote\",\"com,ma\",,\xC3\xA9t\xC3\xA9");
  TStringList back;
  back.SetCommaText(l.CommaText());
  EXPECT_TRUE(back.Equals(l));
  TStringList one;
  one.Add("");
  EXPECT_EQ(one.CommaText(), "\"\"");
}

TEST(StringList, DelimitedTextWithOwnDelimiterAndStrictMode) {
  TStringList l;
  l.SetDelimiter(';');
  l.SetQuoteChar('\'');
  l.SetDelimitedText("a b;'c;d';e");
  EXPECT_EQ(lines(l), (V{"a", "b", "c;d", "e"}));
  l.SetStrictDelimiter(true);
  l.SetDelimitedText(" a b ;c");
  EXPECT_EQ(lines(l), (V{" a b ", "c"}));
  EXPECT_EQ(l.DelimitedText(), " a b ;c");
  l.Add("x;y");
  EXPECT_EQ(l.DelimitedText(), " a b ;c;'x;y'");
}

TEST(StringList, NamesAndValues) {
  TStringList l;
  l.SetText("Port=COM1\nBaud=9600\nnoseparator\nEmpty=\nExpr=a=b\n");
  EXPECT_EQ(l.Names(0), "Port");
  EXPECT_EQ(l.Names(2), "");
  EXPECT_EQ(l.Values("baud"), "9600");  // names ignore case
  EXPECT_EQ(l.Values("Expr"), "a=b");
  EXPECT_EQ(l.Values("missing"), "");
  EXPECT_EQ(l.ValueFromIndex(2), "");  // no separator: no value
  EXPECT_EQ(l.IndexOfName("EMPTY"), 3);
  l.SetValues("Baud", "19200");
  EXPECT_EQ(l[1], "Baud=19200");
  l.SetValues("New", "1");
  EXPECT_EQ(l[l.Count() - 1], "New=1");
  l.SetValues("Port", "");  // an empty value removes the line
  EXPECT_EQ(l.IndexOfName("Port"), -1);
  l.SetValueFromIndex(0, "38400");
  EXPECT_EQ(l[0], "Baud=38400");
}

TEST(StringList, TextUsesCrLfAndReadsAnyLineEnd) {
  TStringList l;
  l.SetText("a\r\nb\rc\nd");
  EXPECT_EQ(lines(l), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n");
  l.SetText("x\n\ny\n");
  EXPECT_EQ(lines(l), (V{"x", "", "y"}));
  l.SetText("");
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, EventsFireOncePerUpdateBracket) {
  TStringList l;
  int changing = 0, changed = 0;
  l.OnChanging = [&](TObject*) { ++changing; };
  l.OnChange = [&](TObject* s) { ++changed; EXPECT_EQ(s, &l); };
  l.Add("a");
  EXPECT_EQ(changed, 1);
  l.BeginUpdate();
  l.Add("b");
  l.Delete(0);
  l.BeginUpdate();
  l.EndUpdate();
  EXPECT_EQ(changed, 1);
  l.EndUpdate();
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(changing, 2);
  l.SetText("1\n2\n3");
  EXPECT_EQ(changed, 3);
}

TEST(StringList, IndexErrors) {
  TStringList l;
  l.Add("a");
  EXPECT_THROW(l.Get(1), EStringListError);
  EXPECT_THROW(l.Delete(-1), EListError);
  EXPECT_THROW(l.Insert(2, "x"), EStringListError);
  try {
    l.Objects(3);
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
}

namespace {
struct Counted : TObject {
  explicit Counted(int& n) : n_(n) { ++n_; }
  ~Counted() override { --n_; }
  int& n_;
};
}  // namespace

TEST(StringList, ObjectsTravelWithTheirStrings) {
  int alive = 0;
  {
    TStringList l(true);
    l.AddObject("b", new Counted(alive));
    l.AddObject("a", new Counted(alive));
    TObject* first = l.Objects(0);
    l.Sort();
    EXPECT_EQ(l.Objects(1), first);
    l.Move(1, 0);
    EXPECT_EQ(l.Objects(0), first);
    EXPECT_EQ(l.IndexOfObject(first), 0);
    l.Delete(1);
    EXPECT_EQ(alive, 1);  // the owning list freed the deleted one
  }
  EXPECT_EQ(alive, 0);
}

TEST(StringList, AssignCopiesLinesAndSettingsAndRefusesOthers) {
  TStringList src;
  src.SetDelimiter(';');
  src.AddStrings(V{"z", "y"});
  TStringList dst;
  dst.SetSorted(true);
  dst.Add("old");
  dst.Assign(&src);
  EXPECT_EQ(lines(dst), (V{"y", "z"}));  // a sorted target keeps its order
  EXPECT_EQ(dst.Delimiter(), ';');
  dst.Assign(&dst);
  EXPECT_EQ(dst.Count(), 2);
  TPersistent other;
  EXPECT_THROW(dst.Assign(&other), EConvertError);
}

TEST(StringList, CustomSortAndExchangeAndMove) {
  TStringList l;
  l.AddStrings(V{"10", "9", "100"});
  l.CustomSort([](TStringList* s, int a, int b) { return std::stoi(s->Get(a)) - std::stoi(s->Get(b)); });
  EXPECT_EQ(lines(l), (V{"9", "10", "100"}));
  l.Exchange(0, 2);
  EXPECT_EQ(lines(l), (V{"100", "10", "9"}));
  l.Move(0, 2);
  EXPECT_EQ(lines(l), (V{"10", "9", "100"}));
}

TEST(StringList, FilesRoundTripAndDecodeByTheTextRule) {
  TempFolder dir;
  TStringList l;
  l.AddStrings(V{"caf\xC3\xA9", "line 2"});
  l.SaveToFile(dir.File("u8.txt"));
  EXPECT_EQ(ReadFileBytes(dir.File("u8.txt")), "caf\xC3\xA9\r\nline 2\r\n");
  TStringList back;
  back.LoadFromFile(dir.File("u8.txt"));
  EXPECT_TRUE(back.Equals(l));

  WriteFileAtomic(dir.File("ansi.txt"), std::string_view("caf\xE9\n\x80"));
  back.LoadFromFile(dir.File("ansi.txt"));
  EXPECT_EQ(lines(back), (V{"caf\xC3\xA9", "\xE2\x82\xAC"}));

  l.SaveToFile(dir.File("u16.txt"), TTextEncoding::Utf16LE);
  back.LoadFromFile(dir.File("u16.txt"));
  EXPECT_TRUE(back.Equals(l));

  EXPECT_THROW(back.LoadFromFile(dir.File("missing.txt")), EFOpenError);
  EXPECT_TRUE(back.Equals(l));  // a failed load changes nothing
}

TEST(StringList, StreamsRoundTrip) {
  TStringList l;
  l.AddStrings(V{"a", "b"});
  TMemoryStream m;
  l.SaveToStream(m);
  m.SetPosition(0);
  TStringList back;
  back.LoadFromStream(m);
  EXPECT_TRUE(back.Equals(l));
}
