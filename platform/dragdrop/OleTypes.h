#pragma once
// The component-style basics drag and drop is written against: reference-
// counted interfaces, format descriptions, storage media holding global
// memory blocks, and the result codes, with their conventional values.

#include "platform/kernel/HResult.h"
#include "platform/kernel/KeyState.h"

#include <cstddef>
#include <cstdint>
#include <utility>

struct HWND__;
using HWND = HWND__*;

using DWORD = uint32_t;
using ULONG = uint32_t;
using BOOL = int;
using CLIPFORMAT = uint16_t;

struct POINTL {
  int32_t x = 0;
  int32_t y = 0;
};

// ---- result codes ----
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = int32_t(0x80040100u);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = int32_t(0x80040101u);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = int32_t(0x80040102u);
constexpr HRESULT DATA_S_SAMEFORMATETC = 0x00040130;
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = int32_t(0x80040003u);
constexpr HRESULT DV_E_FORMATETC = int32_t(0x80040064u);
constexpr HRESULT DV_E_LINDEX = int32_t(0x80040068u);
constexpr HRESULT DV_E_TYMED = int32_t(0x80040069u);
constexpr HRESULT DV_E_DVASPECT = int32_t(0x8004006Bu);

// ---- drop effects (key states use the MK_ flags) ----
constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;
constexpr DWORD DROPEFFECT_SCROLL = 0x80000000u;


// ---- format descriptions and storage ----
constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD DVASPECT_THUMBNAIL = 2;
constexpr DWORD DVASPECT_ICON = 4;
constexpr DWORD DVASPECT_DOCPRINT = 8;

constexpr DWORD TYMED_NULL = 0;
constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD TYMED_FILE = 2;
constexpr DWORD TYMED_ISTREAM = 4;
constexpr DWORD TYMED_ISTORAGE = 8;

constexpr DWORD DATADIR_GET = 1;
constexpr DWORD DATADIR_SET = 2;

struct FORMATETC {
  CLIPFORMAT cfFormat = 0;
  void* ptd = nullptr;  // target device: always none here
  DWORD dwAspect = DVASPECT_CONTENT;
  int32_t lindex = -1;
  DWORD tymed = TYMED_HGLOBAL;
};

// A global memory block: a movable, lockable run of bytes.
struct TGlobalBlock;
using HGLOBAL = TGlobalBlock*;

constexpr uint32_t GMEM_FIXED = 0x0000;
constexpr uint32_t GMEM_MOVEABLE = 0x0002;
constexpr uint32_t GMEM_ZEROINIT = 0x0040;
constexpr uint32_t GMEM_SHARE = 0x2000;
constexpr uint32_t GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

HGLOBAL GlobalAlloc(uint32_t flags, size_t size);  // always zero-filled; nullptr when too large
void* GlobalLock(HGLOBAL block);                    // the bytes; nullptr for a null block
bool GlobalUnlock(HGLOBAL block);                   // true while other locks remain
size_t GlobalSize(HGLOBAL block);
HGLOBAL GlobalFree(HGLOBAL block);                  // nullptr on success
// A new block holding a copy of the bytes.
HGLOBAL GlobalAllocCopy(const void* data, size_t size);

class IUnknown {
public:
  virtual ULONG AddRef() = 0;
  // Destroys the object when the count reaches zero.
  virtual ULONG Release() = 0;

protected:
  virtual ~IUnknown() = default;
};

struct STGMEDIUM {
  DWORD tymed = TYMED_NULL;
  HGLOBAL hGlobal = nullptr;
  IUnknown* pUnkForRelease = nullptr;  // when set, releasing the medium releases it instead of freeing hGlobal
};

// Frees the medium's block (or releases its owner) and clears it.
void ReleaseStgMedium(STGMEDIUM* medium);

// Holds one reference to an interface.
template <class T>
class ComPtr {
public:
  ComPtr() = default;
  explicit ComPtr(T* p, bool addRef = true) : p_(p) {
    if (p_ && addRef) p_->AddRef();
  }
  ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
  ComPtr(ComPtr&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

private:
  T* p_ = nullptr;
};

// Starts and ends the component library for the thread; nothing to do here.
inline HRESULT OleInitialize(void*) { return S_OK; }
inline void OleUninitialize() {}
