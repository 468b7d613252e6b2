#include "platform/clipboard/ClipboardFormats.h"
#include "platform/dragdrop/DataObjects.h"

#include <gtest/gtest.h>

namespace {

using platform::SimpleDataObject;

TEST(GlobalMemory, BlocksAreZeroFilledLockableAndFreed) {
  HGLOBAL block = GlobalAlloc(GHND, 8);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 8u);
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  EXPECT_EQ(bytes[7], 0);
  bytes[0] = 42;
  EXPECT_NE(GlobalLock(block), nullptr);
  EXPECT_TRUE(GlobalUnlock(block));   // one lock left
  EXPECT_FALSE(GlobalUnlock(block));  // none left
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(static_cast<uint8_t*>(GlobalLock(block))[0], 42);
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);
  EXPECT_EQ(GlobalAlloc(GHND, size_t(1) << 40), nullptr);
  HGLOBAL empty = GlobalAlloc(GHND, 0);
  EXPECT_NE(GlobalLock(empty), nullptr);
  GlobalFree(empty);
}

struct Probe : TOleObject<IUnknown> {
  explicit Probe(bool* gone) : gone_(gone) {}
  ~Probe() override { *gone_ = true; }
  bool* gone_;
};

TEST(OleObjects, ObjectsGoWithTheirLastReference) {
  bool gone = false;
  auto* probe = new Probe(&gone);
  {
    ComPtr<IUnknown> a(probe);
    ComPtr<IUnknown> b = a;
    EXPECT_EQ(probe->RefCount(), 2u);
  }
  EXPECT_TRUE(gone);
}

TEST(OleObjects, ReleasingAMediumReleasesItsOwnerInsteadOfTheBlock) {
  bool gone = false;
  auto* owner = new Probe(&gone);
  owner->AddRef();
  STGMEDIUM medium{TYMED_HGLOBAL, GlobalAlloc(GHND, 4), owner};
  HGLOBAL block = medium.hGlobal;
  ReleaseStgMedium(&medium);
  EXPECT_TRUE(gone);
  EXPECT_EQ(medium.hGlobal, nullptr);
  GlobalFree(block);  // the owner's business, freed here by the test
}

class DataObjectTest : public testing::Test {
protected:
  DataObjectTest() : data_(new SimpleDataObject) {
    data_->Add(CF_UNICODETEXT, std::string("a\0\0\0", 4));
    data_->Add(300, "cells");
  }
  ComPtr<SimpleDataObject> data_;
};

TEST_F(DataObjectTest, GetDataHandsOutACopyInGlobalMemory) {
  EXPECT_EQ(platform::ReadBlock(data_.Get(), 300), "cells");
  EXPECT_EQ(platform::ReadBlock(data_.Get(), 301), std::nullopt);
  FORMATETC format{300, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium;
  ASSERT_EQ(data_->GetData(&format, &medium), S_OK);
  EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
  EXPECT_EQ(GlobalSize(medium.hGlobal), 5u);
  ReleaseStgMedium(&medium);
}

TEST_F(DataObjectTest, QueryGetDataNamesWhatItCannotServe) {
  struct Case {
    FORMATETC format;
    HRESULT expected;
  };
  const Case cases[] = {
      {{300, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, S_OK},
      {{300, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM}, S_OK},
      {{301, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, DV_E_FORMATETC},
      {{300, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL}, DV_E_DVASPECT},
      {{300, nullptr, DVASPECT_CONTENT, 0, TYMED_HGLOBAL}, DV_E_LINDEX},
      {{300, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM}, DV_E_TYMED},
  };
  for (const Case& c : cases) EXPECT_EQ(data_->QueryGetData(&c.format), c.expected) << c.format.cfFormat;
  EXPECT_EQ(data_->QueryGetData(nullptr), E_INVALIDARG);
  STGMEDIUM medium;
  EXPECT_EQ(data_->GetData(&cases[2].format, &medium), DV_E_FORMATETC);
}

TEST_F(DataObjectTest, EnumeratorWalksResetsSkipsAndClones) {
  EXPECT_EQ(platform::OfferedFormats(data_.Get()).size(), 2u);
  IEnumFORMATETC* raw = nullptr;
  ASSERT_EQ(data_->EnumFormatEtc(DATADIR_GET, &raw), S_OK);
  ComPtr<IEnumFORMATETC> formats(raw, false);
  FORMATETC got[3];
  ULONG fetched = 0;
  EXPECT_EQ(formats->Next(3, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(got[0].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(got[1].cfFormat, 300);
  formats->Reset();
  EXPECT_EQ(formats->Skip(1), S_OK);
  IEnumFORMATETC* cloneRaw = nullptr;
  ASSERT_EQ(formats->Clone(&cloneRaw), S_OK);
  ComPtr<IEnumFORMATETC> clone(cloneRaw, false);
  EXPECT_EQ(clone->Next(1, got, &fetched), S_OK);
  EXPECT_EQ(got[0].cfFormat, 300);
  EXPECT_EQ(formats->Skip(5), S_FALSE);
  EXPECT_EQ(data_->EnumFormatEtc(DATADIR_SET, &raw), E_NOTIMPL);
}

TEST_F(DataObjectTest, AdviseIsNotSupported) {
  DWORD connection = 0;
  FORMATETC format{};
  EXPECT_EQ(data_->DAdvise(&format, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
  EXPECT_EQ(data_->DUnadvise(0), OLE_E_ADVISENOTSUPPORTED);
  EXPECT_EQ(data_->EnumDAdvise(nullptr), OLE_E_ADVISENOTSUPPORTED);
}

}  // namespace
