#pragma once
// TRichEdit: a memo whose text carries fonts, sizes, styles and colours per
// character and an alignment per paragraph, read from and written to RTF.
// As in rich-edit controls, a paragraph break is one character ("\r") for
// SelStart, the EM_ messages and EM_FORMATRANGE; Text gives "\r\n".

#include <functional>
#include <memory>

#include "toolkit/forms/models/RichLayout.h"
#include "toolkit/forms/models/RichText.h"
#include "toolkit/forms/std/Memo.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"

class TCustomRichEdit;

// The character format of the selection (or of what is typed next).
class TTextAttributes {
public:
  TTextAttributes(TCustomRichEdit* Edit, bool Default) : edit_(Edit), default_(Default) {}
  std::string Name() const;
  void SetName(const std::string& v);
  int Size() const;
  void SetSize(int v);
  TFontStyles Style() const;
  void SetStyle(TFontStyles v);
  TColor Color() const;
  void SetColor(TColor v);
  // Twips above (+) or below (-) the baseline: superscript and subscript.
  int Offset() const;
  void SetOffset(int v);
  // Copies a font's name, size, style and colour.
  void Assign(const TFont* Font);

private:
  template <typename Fn> void change(Fn&& fn);
  TRichCharFormat current() const;
  TCustomRichEdit* edit_;
  bool default_;
};

class TParaAttributes {
public:
  explicit TParaAttributes(TCustomRichEdit* Edit) : edit_(Edit) {}
  TAlignment Alignment() const;
  void SetAlignment(TAlignment v);

private:
  TCustomRichEdit* edit_;
};

// EM_FORMATRANGE's parameter: rectangles in twips, the character range to draw.
struct TCharRange {
  int cpMin = 0;
  int cpMax = -1;
};
struct TFormatRange {
  TCanvas* hdc = nullptr;
  TCanvas* hdcTarget = nullptr;
  TRect rc;
  TRect rcPage;
  TCharRange chrg;
};
constexpr UINT EM_FORMATRANGE = WM_USER + 57;
// EM_SETCHARFORMAT's and EM_GETCHARFORMAT's parameter: wParam SCF_SELECTION
// works on the selection (0: the default format); dwMask says which members count.
constexpr WPARAM SCF_DEFAULT = 0;
constexpr WPARAM SCF_SELECTION = 1;
constexpr uint32_t CFM_OFFSET = 0x10000000;
struct TCharFormat {
  uint32_t cbSize = sizeof(TCharFormat);
  uint32_t dwMask = 0;
  int32_t yOffset = 0;  // twips
};
constexpr UINT EM_REQUESTRESIZE = WM_USER + 65;
constexpr UINT EM_GETTEXTLENGTHEX = WM_USER + 95;

using TRichEditResizeEvent = std::function<void(TObject* Sender, TRect Rect)>;

// The rich edit's lines: streams hold RTF unless the edit is in PlainText mode.
class TRichEditStrings : public TMemoStrings {
public:
  explicit TRichEditStrings(TCustomRichEdit* Edit);
  std::string ClassName() const override { return "TRichEditStrings"; }
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream, TTextEncoding Encoding = TTextEncoding::Utf8) const override;

private:
  TCustomRichEdit* edit_;
};

class TCustomRichEdit : public TCustomMemo {
public:
  explicit TCustomRichEdit(TComponent* AOwner);
  ~TCustomRichEdit() override;
  std::string ClassName() const override { return "TCustomRichEdit"; }

  TRichText& Document() { return doc_; }
  const TRichText& Document() const { return doc_; }
  TTextAttributes* SelAttributes() { return &selAttributes_; }
  TTextAttributes* DefAttributes() { return &defAttributes_; }
  TParaAttributes* Paragraph() { return &paragraph_; }
  // With PlainText, loading and saving read and write text, not RTF.
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool v) { plainText_ = v; }
  void LoadRichText(const std::string& Data);
  std::string SaveRichText() const;
  // Positions of the edit and of the document (the same: breaks count one).
  int DocPos(int EditPos) const;
  int EditPos(int DocPos) const;

  // Draws the document from position From into Rect (device pixels of
  // Canvas) at Scale; returns the first position that did not fit.
  int RenderRange(TCanvas* Canvas, const TRect& Rect, double Scale, int From, int To = -1, bool Draw = true);
  // EM_FORMATRANGE: rectangles in twips, scaled by the canvas's pixels per inch.
  int FormatRange(const TFormatRange& Range, bool Render);
  // EM_REQUESTRESIZE: reports the size the text needs.
  void RequestSize();
  TRichEditResizeEvent OnResizeRequest;
  void Dispatch(TMessage& Message) override;

  // The format that typing uses; set through SelAttributes without a selection.
  TRichCharFormat InsertFormat() const;

protected:
  void Paint() override;
  std::string GetText() const override;
  void RealSetText(const std::string& v) override;

private:
  friend class TTextAttributes;
  friend class TParaAttributes;
  friend class TRichEditStrings;
  void syncDocument();
  void charFormatMessage(TMessage& Message);
  TRichMeasure measure(TCanvas* Canvas, double Scale);
  TRichText doc_;
  TTextAttributes selAttributes_{this, false};
  TTextAttributes defAttributes_{this, true};
  TParaAttributes paragraph_{this};
  bool plainText_ = false;
  bool loading_ = false;
  bool hasPendingFormat_ = false;
  TRichCharFormat pendingFormat_;
};

class TRichEdit : public TCustomRichEdit {
public:
  explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
  std::string ClassName() const override { return "TRichEdit"; }
};
