#pragma once
// Ready-made pieces for data objects: a format enumerator over a list, a data
// object holding byte blocks by format, and readers that take a block out of
// any data object.

#include "platform/dragdrop/OleInterfaces.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

class FormatEnumerator : public TOleObject<IEnumFORMATETC> {
public:
  explicit FormatEnumerator(std::vector<FORMATETC> formats, size_t position = 0)
      : formats_(std::move(formats)), position_(position) {}
  HRESULT Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override;
  HRESULT Skip(ULONG celt) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumFORMATETC** ppenum) override;

private:
  std::vector<FORMATETC> formats_;
  size_t position_;
};

// Blocks by format number, offered for the content aspect in global memory.
class SimpleDataObject : public TOleObject<IDataObject> {
public:
  void Add(CLIPFORMAT format, std::string block);
  HRESULT GetData(const FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
  HRESULT QueryGetData(const FORMATETC* pformatetc) override;
  HRESULT EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override;

private:
  const std::string* Find(CLIPFORMAT format) const;
  std::vector<std::pair<CLIPFORMAT, std::string>> blocks_;
};

// The checks of a description every data object of ours makes: S_OK, or the
// DV_E_ code for the first part it cannot serve.
HRESULT CheckFormatEtc(const FORMATETC* format, bool known);

// A copy of the format's block from the data object (the medium is released), or nullopt.
std::optional<std::string> ReadBlock(IDataObject* data, CLIPFORMAT format);
// The descriptions the data object offers for reading.
std::vector<FORMATETC> OfferedFormats(IDataObject* data);

}  // namespace platform
