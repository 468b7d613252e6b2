#include "grid/foundation/esgdd.h"

#include <cstring>

#include "platform/clipboard/ClipboardFormats.h"
#include "platform/clipboard/DataBlocks.h"
#include "platform/dragdrop/DragDrop.h"
#include "platform/kernel/TextCodec.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

CLIPFORMAT CF_RTF = 0, CF_GRIDCOL = 0, CF_GRIDCELLS = 0, CF_URL = 0;

namespace {

bool gDropRTF = false;

constexpr CLIPFORMAT kText = 1, kWideText = 13;

uint32_t LittleEndian32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | uint8_t(b[at + size_t(i)]);
  return v;
}

std::string Put32(uint32_t v) {
  std::string b(4, '\0');
  for (int i = 0; i < 4; ++i) b[size_t(i)] = char((v >> (8 * i)) & 0xFF);
  return b;
}

}  // namespace

void RegisterDropFormats() {
  CF_RTF = CLIPFORMAT(RegisterClipboardFormat("Rich Text Format"));
  CF_GRIDCOL = CLIPFORMAT(RegisterClipboardFormat("Grid Column"));
  CF_GRIDCELLS = CLIPFORMAT(RegisterClipboardFormat("TExtStringGrid Cells"));
  CF_URL = CLIPFORMAT(RegisterClipboardFormat("UniformResourceLocator"));
}

void SetOleDropRTF(bool on) { gDropRTF = on; }
bool OleDropRTF() { return gDropRTF; }

DWORD DropEffectFromKeys(DWORD keyState, DWORD allowed) {
  if (keyState & MK_CONTROL) return DROPEFFECT_COPY;
  return (allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

// ---------------------------------------------------------------- reader

TEnumFormats::TEnumFormats(IDataObject* data) {
  RegisterDropFormats();
  SetDataObject(data);
}

TEnumFormats::~TEnumFormats() { SetDataObject(nullptr); }

void TEnumFormats::SetDataObject(IDataObject* data) {
  if (FEnumerator) FEnumerator->Release();
  if (FDataObject) FDataObject->Release();
  FEnumerator = nullptr;
  FDataObject = data;
  if (!data) return;
  data->AddRef();
  if (data->EnumFormatEtc(DATADIR_GET, &FEnumerator) != S_OK || !FEnumerator) {
    FEnumerator = nullptr;
    throw Exception("Cannot get the format enumerator");
  }
  Reset();
}

bool TEnumFormats::Reset() {
  FValid = false;
  FCount = 0;
  return FEnumerator && FEnumerator->Reset() == S_OK;
}

bool TEnumFormats::Next() {
  ++FCount;
  ULONG fetched = 0;
  FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
  return FValid;
}

bool TEnumFormats::HasFormat(CLIPFORMAT format) {
  if (!format || !Reset()) return false;
  while (Next())
    if (FFormatEtc.cfFormat == format) return true;
  return false;
}

bool TEnumFormats::Block(CLIPFORMAT format, std::string& bytes) {
  if (!HasFormat(format) || !(FFormatEtc.tymed & TYMED_HGLOBAL)) return false;
  auto block = platform::ReadBlock(FDataObject, format);
  if (!block) return false;
  bytes = std::move(*block);
  return true;
}

int TEnumFormats::DataAsInteger(CLIPFORMAT format) {
  std::string b;
  if (!Block(format, b) || b.size() < 4) return -1;
  return int32_t(LittleEndian32(b, 0));
}

std::unique_ptr<TMemoryStream> TEnumFormats::DataAsStream(CLIPFORMAT format) {
  std::string b;
  if (!Block(format, b) || b.size() < 8) return nullptr;
  // The size comes from another process: never read past the block.
  const size_t n = std::min<size_t>(LittleEndian32(b, 0), b.size() - 8);
  auto stream = std::make_unique<TMemoryStream>();
  if (n) stream->WriteBuffer(b.data() + 8, int64_t(n));
  stream->SetPosition(0);
  return stream;
}

std::string TEnumFormats::DataAsWideText(CLIPFORMAT format) {
  std::string b;
  if (!Block(format, b)) return {};
  return platform::ReadUnicodeTextBlock(b);
}

std::string TEnumFormats::DataAsAnsiText(CLIPFORMAT format) {
  std::string b;
  if (!Block(format, b)) return {};
  return platform::ReadTextBlock(b);
}

bool TEnumFormats::DataAsFileNames(std::vector<std::string>& files) {
  files.clear();
  std::string b;
  if (Block(15, b)) files = platform::ReadFileDropBlock(b);
  FFiles = files;
  return !files.empty();
}

// ---------------------------------------------------------------- target

HRESULT TESGDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  FDropFormats = {};
  FOk = false;
  try {
    TEnumFormats formats(data);
    const bool text = formats.HasText(), files = formats.HasFile(), rtf = formats.HasRTF();
    const bool col = formats.HasCol(), url = formats.HasURL(), cells = formats.HasGridCells();
    FOk = (text && FAcceptText) || (files && FAcceptFiles) || (rtf && OleDropRTF() && FAcceptText) ||
          (col && FAcceptCols) || (url && FAcceptURLs) || cells;
    if (text) FDropFormats.Include(dfText);
    if (files) FDropFormats.Include(dfFile);
    if (rtf) FDropFormats.Include(dfRTF);
    if (col) FDropFormats.Include(dfCol);
    if (url) FDropFormats.Include(dfURL);
    if (cells) FDropFormats.Include(dfGridCells);
  } catch (const Exception&) {
    FOk = false;
  }
  if (effect) *effect = FOk ? DropEffectFromKeys(keyState, *effect) : DROPEFFECT_NONE;
  DragMouseEnter();
  return S_OK;
}

HRESULT TESGDropTarget::DragOver(DWORD keyState, POINTL pt, DWORD* effect) {
  DWORD e = FOk && effect ? DropEffectFromKeys(keyState, *effect) : DROPEFFECT_NONE;
  bool allow = e != DROPEFFECT_NONE;
  DragMouseMove(pt, allow, FDropFormats);
  if (!allow) e = DROPEFFECT_NONE;
  if (effect) *effect = e;
  return S_OK;
}

HRESULT TESGDropTarget::DragLeave() {
  DragMouseLeave();
  return S_OK;
}

HRESULT TESGDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  if (!FOk) {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  FDropRefused = false;
  try {
    TEnumFormats formats(data);
    if (formats.HasCol()) {
      DropCol(pt, formats.Col());
    } else {
      if (formats.HasGridCells()) {
        if (auto stream = formats.Stream()) DropStream(pt, std::move(stream));
        else RefuseDrop();  // no readable cells: nothing lands
      } else if (const std::string rtf = OleDropRTF() && formats.HasRTF() ? formats.RTF() : ""; !rtf.empty()) {
        DropRTF(pt, rtf);
      } else if (formats.HasText()) {
        DropText(pt, formats.Text());
      }
      std::vector<std::string> files;
      if (formats.HasFile() && formats.DataAsFileNames(files)) DropFiles(pt, files);
      if (formats.HasURL()) DropURL(pt, formats.Text());
    }
  } catch (const std::exception&) {
    // Whatever was dropped (text, rich text, cells, files), a drop that
    // failed is the user's to know about; it must not look done, nor may a
    // source that moved its data drop it.
    FDropRefused = true;
    Application->HandleException(nullptr);
  }
  if (effect) *effect = FDropRefused ? DROPEFFECT_NONE : DropEffectFromKeys(keyState, *effect);
  return S_OK;
}

// ---------------------------------------------------------------- source

HRESULT TESGDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  HRESULT answer = S_OK;
  if (escapePressed) {
    DragFinished();
    answer = DRAGDROP_S_CANCEL;
  } else if (!(keyState & MK_LBUTTON)) {
    DragFinished();
    answer = DRAGDROP_S_DROP;
  }
  QueryDrag();
  return answer;
}

HRESULT TESGDropSource::GiveFeedback(DWORD effect) {
  FNoAccept = effect == DROPEFFECT_NONE;
  CurrentEffect(effect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

std::vector<FORMATETC> SourceFormats(bool hasCol, bool hasGridCells, bool hasRTF) {
  std::vector<CLIPFORMAT> numbers = {kText, kWideText};
  if (hasRTF) numbers.push_back(CF_RTF);
  if (hasCol) numbers.push_back(CF_GRIDCOL);
  if (hasGridCells) numbers.push_back(CF_GRIDCELLS);
  std::vector<FORMATETC> list;
  for (CLIPFORMAT n : numbers) {
    FORMATETC f;
    f.cfFormat = n;
    list.push_back(f);
  }
  return list;
}

HRESULT TSourceDataObject::QueryGetData(const FORMATETC* f) {
  if (!f || f->dwAspect != DVASPECT_CONTENT || f->tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
  const CLIPFORMAT n = f->cfFormat;
  if ((n == kText || n == kWideText) && !textdata.empty()) return S_OK;
  if (n && n == CF_RTF && offersRTF()) return S_OK;
  if (n && n == CF_GRIDCELLS && memstr) return S_OK;
  if (n && n == CF_GRIDCOL && scolidx != -1) return S_OK;
  return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC* f, STGMEDIUM* medium) {
  if (!medium || QueryGetData(f) != S_OK) return DV_E_FORMATETC;
  std::string block;
  const CLIPFORMAT n = f->cfFormat;
  if (n == kText) {
    block = platform::MakeTextBlock(textdata);
  } else if (n == kWideText) {
    block = platform::MakeUnicodeTextBlock(textdata);
  } else if (n == CF_RTF) {
    block = rtfdata + '\0';
  } else if (n == CF_GRIDCOL) {
    block = Put32(uint32_t(scolidx));
  } else {
    const std::string bytes(reinterpret_cast<const char*>(memstr->Memory()), size_t(memstr->Size()));
    block = Put32(uint32_t(bytes.size())) + Put32(0) + bytes;
  }
  HGLOBAL h = GlobalAllocCopy(block.data(), block.size());
  if (!h) return DV_E_FORMATETC;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = h;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  *out = new platform::FormatEnumerator(SourceFormats(scolidx != -1, memstr != nullptr, offersRTF()));
  (*out)->AddRef();
  return S_OK;
}

namespace {

HRESULT RunDrag(TSourceDataObject* data, TESGDropSource* source, DWORD allowed, DWORD& effect) {
  RegisterDropFormats();
  ComPtr<IDataObject> hold(data);  // the caller holds its own reference to the source
  HRESULT r = DoDragDrop(data, source, allowed, &effect);
  // The target may report a drop after the last feedback showed no effect.
  if (source->NoAccept()) r = DRAGDROP_S_CANCEL;
  return r;
}

}  // namespace

HRESULT StartTextDrag(TESGDropSource* source, const std::string& text, const std::string& rtf,
                      TMemoryStream* cells, DWORD allowed, DWORD& effect) {
  return RunDrag(new TSourceDataObject(text, rtf, -1, cells), source, allowed, effect);
}

HRESULT StartColumnDrag(TESGDropSource* source, int col, DWORD allowed, DWORD& effect) {
  return RunDrag(new TSourceDataObject("", "", col, nullptr), source, allowed, effect);
}
