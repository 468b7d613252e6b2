#pragma once
// The drag-and-drop interfaces and a base that does the reference counting.

#include "platform/dragdrop/OleTypes.h"

#include <atomic>
#include <utility>

class IEnumFORMATETC : public IUnknown {
public:
  // Fetches up to celt descriptions; S_OK when all were fetched, S_FALSE otherwise.
  virtual HRESULT Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) = 0;
  virtual HRESULT Skip(ULONG celt) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumFORMATETC** ppenum) = 0;
};

class IAdviseSink;
class IEnumSTATDATA;

class IDataObject : public IUnknown {
public:
  // On success the caller owns the medium and frees it with ReleaseStgMedium.
  virtual HRESULT GetData(const FORMATETC* pformatetcIn, STGMEDIUM* pmedium) = 0;
  virtual HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
  // S_OK when GetData would succeed for the description.
  virtual HRESULT QueryGetData(const FORMATETC* pformatetc) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* out) {
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  virtual HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }
  virtual HRESULT EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) = 0;
  // Advise connections are not supported.
  virtual HRESULT DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
  virtual HRESULT DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
  virtual HRESULT EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
};

class IDropSource : public IUnknown {
public:
  // S_OK to go on, DRAGDROP_S_DROP to drop, DRAGDROP_S_CANCEL to stop.
  virtual HRESULT QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) = 0;
  // DRAGDROP_S_USEDEFAULTCURSORS to let the loop show the standard cursor for the effect.
  virtual HRESULT GiveFeedback(DWORD dwEffect) = 0;
};

class IDropTarget : public IUnknown {
public:
  // *pdwEffect comes in as the effects the source allows and goes out as the one the target would take.
  virtual HRESULT DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;
  virtual HRESULT DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;
};

// Reference counting for a class implementing one or more of the interfaces.
// Objects start with a count of 0 (the first holder calls AddRef) and delete
// themselves when the count returns to 0.
template <class... Interfaces>
class TOleObject : public Interfaces... {
public:
  ULONG AddRef() override { return ++refCount_; }
  ULONG Release() override {
    ULONG left = --refCount_;
    if (left == 0) delete this;
    return left;
  }
  ULONG RefCount() const { return refCount_; }

protected:
  ~TOleObject() override = default;

private:
  std::atomic<ULONG> refCount_{0};
};
