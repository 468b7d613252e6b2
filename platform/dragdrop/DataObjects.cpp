#include "platform/dragdrop/DataObjects.h"

#include <algorithm>
#include <cstring>

namespace platform {

HRESULT FormatEnumerator::Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) {
  if (!rgelt && celt) return E_POINTER;
  ULONG fetched = 0;
  while (fetched < celt && position_ < formats_.size()) rgelt[fetched++] = formats_[position_++];
  if (pceltFetched) *pceltFetched = fetched;
  return fetched == celt ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Skip(ULONG celt) {
  size_t left = formats_.size() - position_;
  position_ += std::min<size_t>(celt, left);
  return celt <= left ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT FormatEnumerator::Clone(IEnumFORMATETC** ppenum) {
  if (!ppenum) return E_POINTER;
  *ppenum = new FormatEnumerator(formats_, position_);
  (*ppenum)->AddRef();
  return S_OK;
}

HRESULT CheckFormatEtc(const FORMATETC* format, bool known) {
  if (!format) return E_INVALIDARG;
  if (!known) return DV_E_FORMATETC;
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (format->lindex != -1) return DV_E_LINDEX;
  if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  return S_OK;
}

void SimpleDataObject::Add(CLIPFORMAT format, std::string block) {
  auto it = std::find_if(blocks_.begin(), blocks_.end(), [&](const auto& b) { return b.first == format; });
  if (it != blocks_.end()) it->second = std::move(block);
  else blocks_.emplace_back(format, std::move(block));
}

const std::string* SimpleDataObject::Find(CLIPFORMAT format) const {
  for (const auto& [number, block] : blocks_)
    if (number == format) return &block;
  return nullptr;
}

HRESULT SimpleDataObject::QueryGetData(const FORMATETC* pformatetc) {
  return CheckFormatEtc(pformatetc, pformatetc && Find(pformatetc->cfFormat));
}

HRESULT SimpleDataObject::GetData(const FORMATETC* pformatetcIn, STGMEDIUM* pmedium) {
  if (!pmedium) return E_POINTER;
  if (HRESULT hr = QueryGetData(pformatetcIn); hr != S_OK) return hr;
  const std::string* block = Find(pformatetcIn->cfFormat);
  pmedium->tymed = TYMED_HGLOBAL;
  pmedium->hGlobal = GlobalAllocCopy(block->data(), block->size());
  pmedium->pUnkForRelease = nullptr;
  return pmedium->hGlobal ? S_OK : E_OUTOFMEMORY;
}

HRESULT SimpleDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) {
  if (!ppenumFormatEtc) return E_POINTER;
  *ppenumFormatEtc = nullptr;
  if (dwDirection != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> formats;
  for (const auto& [number, block] : blocks_) formats.push_back({number, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  *ppenumFormatEtc = new FormatEnumerator(std::move(formats));
  (*ppenumFormatEtc)->AddRef();
  return S_OK;
}

std::optional<std::string> ReadBlock(IDataObject* data, CLIPFORMAT format) {
  if (!data) return std::nullopt;
  FORMATETC description{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium;
  if (data->GetData(&description, &medium) != S_OK) return std::nullopt;
  std::optional<std::string> block;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
    block = std::string(bytes, GlobalSize(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return block;
}

std::vector<FORMATETC> OfferedFormats(IDataObject* data) {
  std::vector<FORMATETC> formats;
  IEnumFORMATETC* raw = nullptr;
  if (!data || data->EnumFormatEtc(DATADIR_GET, &raw) != S_OK || !raw) return formats;
  ComPtr<IEnumFORMATETC> enumerator(raw, false);  // adopts the reference EnumFormatEtc returned
  FORMATETC one;
  ULONG fetched = 0;
  // Bounded, so that a misbehaving enumerator cannot keep the reader going forever.
  while (formats.size() < 1024 && enumerator->Next(1, &one, &fetched) == S_OK && fetched == 1) formats.push_back(one);
  return formats;
}

}  // namespace platform
