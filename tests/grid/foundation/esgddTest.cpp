#include "grid/foundation/esgdd.h"

#include <gtest/gtest.h>

#include "platform/clipboard/DataBlocks.h"
#include "platform/dragdrop/DragDrop.h"
#include "toolkit/rtl/Streams.h"

namespace {

struct TRecordingTarget : TESGDropTarget {
  std::vector<std::string> calls;
  bool refuse = false;
  void DropText(POINTL, const std::string& t) override { calls.push_back("text " + t); }
  void DropStream(POINTL, std::unique_ptr<TMemoryStream> s) override {
    calls.push_back("stream " + std::string(reinterpret_cast<const char*>(s->Memory()), size_t(s->Size())));
  }
  void DropCol(POINTL, int c) override { calls.push_back("col " + std::to_string(c)); }
  void DropRTF(POINTL, const std::string& r) override { calls.push_back("rtf " + r); }
  void DropFiles(POINTL, const std::vector<std::string>& f) override { calls.push_back("files " + f.at(0)); }
  void DropURL(POINTL, const std::string& u) override { calls.push_back("url " + u); }
  void DragMouseMove(POINTL, bool& allow, TDropFormats) override {
    if (refuse) allow = false;
  }
};

struct TRecordingSource : TESGDropSource {
  int finished = 0;
  void DragFinished() override { ++finished; }
};

class GridDragDrop : public ::testing::Test {
protected:
  GridDragDrop() : target(new TRecordingTarget), source(new TRecordingSource), keepTarget(target), keepSource(source) {
    RegisterDropFormats();
    SetOleDropRTF(false);
    platform::SetDragDropHost(&host);
    host.AddWindow(window, 0, 0, 100, 100);
    RegisterDragDrop(window, target);
  }
  ~GridDragDrop() override {
    RevokeDragDrop(window);
    platform::SetDragDropHost(nullptr);
    SetOleDropRTF(false);
  }
  // Press at (10,10), move, release: one drag over the window.
  HRESULT Drag(IDataObject* data, DWORD& effect) {
    host.Move(10, 10);
    host.Move(20, 20);
    host.Release(20, 20);
    ComPtr<IDataObject> keep(data);
    return DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  }

  HWND window = reinterpret_cast<HWND>(uintptr_t(0x1000));
  platform::ScriptedDragHost host;
  TRecordingTarget* target;
  TRecordingSource* source;
  ComPtr<IDropTarget> keepTarget;
  ComPtr<IDropSource> keepSource;
};

TEST_F(GridDragDrop, ColumnPlusTextDeliversTheColumnOnly) {
  target->SetAcceptCols(true);
  DWORD effect = 0;
  EXPECT_EQ(Drag(new TSourceDataObject("hello", "", 3, nullptr), effect), DRAGDROP_S_DROP);
  EXPECT_EQ(target->calls, std::vector<std::string>{"col 3"});
  EXPECT_EQ(effect, DWORD(DROPEFFECT_MOVE));
  EXPECT_EQ(source->finished, 1);
}

TEST_F(GridDragDrop, TextDragDropsTextAndTheControlKeyCopies) {
  host.Move(10, 10, MK_LBUTTON | MK_CONTROL);
  host.Release(10, 10, MK_CONTROL);
  DWORD effect = 0;
  EXPECT_EQ(StartTextDrag(source, "abc", "", nullptr, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(target->calls, std::vector<std::string>{"text abc"});
  EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY));
}

TEST_F(GridDragDrop, ALastEffectOfNoneGivesCancel) {
  target->refuse = true;
  host.Move(10, 10);
  host.Move(12, 12);
  host.Release(12, 12);
  DWORD effect = 0;
  EXPECT_EQ(StartTextDrag(source, "abc", "", nullptr, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
  EXPECT_TRUE(target->calls.empty());
  EXPECT_TRUE(source->NoAccept());
}

TEST_F(GridDragDrop, EscapeCancels) {
  host.Move(10, 10);
  host.Escape(10, 10);
  DWORD effect = 0;
  EXPECT_EQ(StartTextDrag(source, "abc", "", nullptr, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
  EXPECT_TRUE(target->calls.empty());
  EXPECT_EQ(source->finished, 1);
}

TEST_F(GridDragDrop, CellsThenFilesAndSizesBoundedByTheBlock) {
  auto* data = new platform::SimpleDataObject;
  // The size field claims 100 bytes; only 3 follow.
  data->Add(CF_GRIDCELLS, std::string("\x64\0\0\0\0\0\0\0abc", 11));
  data->Add(15, platform::MakeFileDropBlock({"/tmp/a.txt"}));
  DWORD effect = 0;
  Drag(data, effect);
  EXPECT_EQ(target->calls, (std::vector<std::string>{"stream abc", "files /tmp/a.txt"}));
}

TEST_F(GridDragDrop, RichTextNeedsTheSwitchButIsAlwaysListed) {
  auto* data = new platform::SimpleDataObject;
  data->Add(CF_RTF, std::string("{\\rtf1 x}\0", 10));
  DWORD effect = 0;
  Drag(data, effect);
  EXPECT_TRUE(target->calls.empty());
  EXPECT_TRUE(target->DropFormats().Contains(dfRTF));

  SetOleDropRTF(true);
  auto* again = new platform::SimpleDataObject;
  again->Add(CF_RTF, std::string("{\\rtf1 x}\0", 10));
  Drag(again, effect);
  EXPECT_EQ(target->calls, std::vector<std::string>{"rtf {\\rtf1 x}"});
}

// Another program's drag that lists an empty rich text beside its text
// drops the text.
TEST_F(GridDragDrop, AnEmptyRichTextLeavesTheTextToDrop) {
  SetOleDropRTF(true);
  auto* data = new platform::SimpleDataObject;
  data->Add(CF_RTF, std::string(1, '\0'));
  data->Add(13, platform::MakeUnicodeTextBlock("abc"));
  DWORD effect = 0;
  Drag(data, effect);
  EXPECT_EQ(target->calls, std::vector<std::string>{"text abc"});
}

TEST_F(GridDragDrop, AddressWithoutWideTextIsEmpty) {
  auto* data = new platform::SimpleDataObject;
  data->Add(CF_URL, std::string("http://x\0", 9));
  DWORD effect = 0;
  Drag(data, effect);
  EXPECT_EQ(target->calls, std::vector<std::string>{"url "});
}

// With the rich-text switch on, a drag offers rich text only when it has
// some: plain cells must still reach the target as text.
TEST(GridDragSource, RichTextIsOfferedOnlyWithRichTextData) {
  RegisterDropFormats();
  SetOleDropRTF(true);
  FORMATETC rtf;
  rtf.cfFormat = CF_RTF;
  ComPtr<IDataObject> plain(new TSourceDataObject("a\tb", "", -1, nullptr));
  EXPECT_EQ(plain->QueryGetData(&rtf), DV_E_FORMATETC);
  ComPtr<IDataObject> rich(new TSourceDataObject("x", "{\\rtf1 x}", -1, nullptr));
  EXPECT_EQ(rich->QueryGetData(&rtf), S_OK);
  SetOleDropRTF(false);
  EXPECT_EQ(rich->QueryGetData(&rtf), DV_E_FORMATETC);
}

TEST(GridDragSource, ColumnDataObjectOffersNoTextAndNoFormatZero) {
  RegisterDropFormats();
  EXPECT_NE(CF_GRIDCOL, 0);
  ComPtr<IDataObject> data(new TSourceDataObject("", "", 2, nullptr));
  FORMATETC text;
  text.cfFormat = 13;
  EXPECT_EQ(data->QueryGetData(&text), DV_E_FORMATETC);
  FORMATETC col;
  col.cfFormat = CF_GRIDCOL;
  EXPECT_EQ(data->QueryGetData(&col), S_OK);
  col.tymed = TYMED_FILE;
  EXPECT_EQ(data->QueryGetData(&col), DV_E_FORMATETC);
  TEnumFormats formats(data.Get());
  EXPECT_TRUE(formats.HasCol());
  EXPECT_EQ(formats.Col(), 2);
  EXPECT_FALSE(formats.HasGridCells());
  for (const FORMATETC& f : SourceFormats(true, true, true)) EXPECT_NE(f.cfFormat, 0);
  EXPECT_EQ(SourceFormats(true, true, true).size(), 5u);
  EXPECT_EQ(SourceFormats(false, false, false).size(), 2u);
}

}  // namespace
