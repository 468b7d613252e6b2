#pragma once
// OLE drag and drop of the grid library: the reader of what an incoming data
// object offers, the drop-target and drop-source bases the grid derives its
// own from, the data object of an outgoing drag, and the two drag starters.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dragdrop/DataObjects.h"
#include "platform/dragdrop/OleInterfaces.h"
#include "toolkit/rtl/Sets.h"

#include "toolkit/rtl/Streams.h"

// Registered format numbers: 0 until RegisterDropFormats has run.
extern CLIPFORMAT CF_RTF, CF_GRIDCOL, CF_GRIDCELLS, CF_URL;
// Registers the four names. Unconditional, so that an outgoing drag never
// lists format number 0.
void RegisterDropFormats();
void SetOleDropRTF(bool on);
bool OleDropRTF();

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat>;

// Copy with the control key held, otherwise move where allowed, else copy.
DWORD DropEffectFromKeys(DWORD keyState, DWORD allowed);

class TEnumFormats {
public:
  explicit TEnumFormats(IDataObject* data);
  ~TEnumFormats();
  TEnumFormats(const TEnumFormats&) = delete;
  TEnumFormats& operator=(const TEnumFormats&) = delete;

  IDataObject* DataObject() const { return FDataObject; }
  // Raises Exception("Cannot get the format enumerator") when the object refuses one.
  void SetDataObject(IDataObject* data);
  bool Reset();
  bool Next();
  bool Valid() const { return FValid; }
  int Count() const { return FCount; }
  const FORMATETC& FormatEtc() const { return FFormatEtc; }
  bool HasFormat(CLIPFORMAT format);

  bool HasText() { return HasFormat(13); }
  bool HasRTF() { return CF_RTF && HasFormat(CF_RTF); }
  bool HasCol() { return CF_GRIDCOL && HasFormat(CF_GRIDCOL); }
  bool HasFile() { return HasFormat(15); }
  bool HasURL() { return CF_URL && HasFormat(CF_URL); }
  bool HasGridCells() { return CF_GRIDCELLS && HasFormat(CF_GRIDCELLS); }
  std::string Text() { return DataAsWideText(13); }
  std::string RTF() { return DataAsAnsiText(CF_RTF); }
  int Col() { return DataAsInteger(CF_GRIDCOL); }
  std::unique_ptr<TMemoryStream> Stream() { return DataAsStream(CF_GRIDCELLS); }

  // Readers: every read is bounded by the block the other side handed over.
  int DataAsInteger(CLIPFORMAT format);
  std::unique_ptr<TMemoryStream> DataAsStream(CLIPFORMAT format);
  std::string DataAsWideText(CLIPFORMAT format);
  std::string DataAsAnsiText(CLIPFORMAT format);
  bool DataAsFileNames(std::vector<std::string>& files);
  const std::vector<std::string>& Files() const { return FFiles; }

private:
  bool Block(CLIPFORMAT format, std::string& bytes);
  IDataObject* FDataObject = nullptr;
  IEnumFORMATETC* FEnumerator = nullptr;
  FORMATETC FFormatEtc;
  bool FValid = false;
  int FCount = 0;
  std::vector<std::string> FFiles;
};

class TESGDropTarget : public TOleObject<IDropTarget> {
public:
  TESGDropTarget() = default;

  bool AcceptText() const { return FAcceptText; }
  void SetAcceptText(bool v) { FAcceptText = v; }
  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool v) { FAcceptFiles = v; }
  bool AcceptCols() const { return FAcceptCols; }
  void SetAcceptCols(bool v) { FAcceptCols = v; }
  bool AcceptURLs() const { return FAcceptURLs; }
  void SetAcceptURLs(bool v) { FAcceptURLs = v; }
  TDropFormats DropFormats() const { return FDropFormats; }

  HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override;
  HRESULT DragOver(DWORD keyState, POINTL pt, DWORD* effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override;

  virtual void DropText(POINTL, const std::string&) {}
  virtual void DropStream(POINTL, std::unique_ptr<TMemoryStream>) {}
  virtual void DropCol(POINTL, int) {}
  virtual void DropRTF(POINTL, const std::string&) {}
  virtual void DropFiles(POINTL, const std::vector<std::string>&) {}
  virtual void DropURL(POINTL, const std::string&) {}
  virtual void DragMouseMove(POINTL, bool& /*Allow*/, TDropFormats) {}
  virtual void DragMouseEnter() {}
  virtual void DragMouseLeave() {}

protected:
  // A drop handler that places nothing of what was dropped says so: the drop
  // then answers no effect, so a source that moved its data keeps it.
  void RefuseDrop() { FDropRefused = true; }
  bool FOk = false;
  bool FDropRefused = false;
  bool FAcceptText = true, FAcceptFiles = true, FAcceptCols = false, FAcceptURLs = true;
  TDropFormats FDropFormats;
};

class TESGDropSource : public TOleObject<IDropSource> {
public:
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT GiveFeedback(DWORD effect) override;
  bool NoAccept() const { return FNoAccept; }

  virtual void DragFinished() {}
  virtual void CurrentEffect(DWORD) {}
  virtual void QueryDrag() {}

private:
  bool FNoAccept = false;
};

class TSourceDataObject : public TOleObject<IDataObject> {
public:
  TSourceDataObject(std::string text, std::string rtf, int col, TMemoryStream* stream)
      : textdata(std::move(text)), rtfdata(std::move(rtf)), scolidx(col), memstr(stream) {}

  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT QueryGetData(const FORMATETC* format) override;
  HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return DV_E_FORMATETC; }
  HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;

  std::string textdata;
  std::string rtfdata;
  int scolidx;
  TMemoryStream* memstr;  // not owned

private:
  // Rich text is offered only when the drag carries some: offered empty, it
  // would win over the plain text at the target and drop nothing.
  bool offersRTF() const { return OleDropRTF() && !rtfdata.empty(); }
};

// The descriptions of an outgoing drag: text, wide text, then rich text,
// the column and the cells when present.
std::vector<FORMATETC> SourceFormats(bool hasCol, bool hasGridCells, bool hasRTF);

HRESULT StartTextDrag(TESGDropSource* source, const std::string& text, const std::string& rtf,
                      TMemoryStream* cells, DWORD allowed, DWORD& effect);
HRESULT StartColumnDrag(TESGDropSource* source, int col, DWORD allowed, DWORD& effect);
