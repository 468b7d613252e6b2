#include "toolkit/forms/std/RichEdit.h"

#include <cmath>

#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/Streams.h"

namespace {

// The baseline shift of raised or lowered text, in pixels at 96 dpi times Scale.
int offsetPixels(const TRichCharFormat& f, double Scale) {
  return static_cast<int>(f.Offset * 96 * Scale / 1440);
}

// Memo text ("\r\n" between lines) as document text ("\r" between paragraphs).
std::string ToDocText(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    out += s[i] == '\n' ? '\r' : s[i];
  }
  return out;
}

TFontStyles StylesOf(const TRichCharFormat& f) {
  TFontStyles s;
  if (f.Bold) s.Include(fsBold);
  if (f.Italic) s.Include(fsItalic);
  if (f.Underline) s.Include(fsUnderline);
  if (f.StrikeOut) s.Include(fsStrikeOut);
  return s;
}

void ApplyFont(TCanvas* c, const TRichCharFormat& f, double scale) {
  c->Font()->SetName(f.FontName);
  c->Font()->SetHeight(-std::max(1, static_cast<int>(std::lround(f.Size * 96.0 / 72.0 * scale))));
  c->Font()->SetStyle(StylesOf(f));
  c->Font()->SetColor(f.Color);
}

}  // namespace

// ---- attributes ----

TRichCharFormat TTextAttributes::current() const {
  if (default_) return edit_->doc_.DefaultFormat();
  if (edit_->SelLength() == 0) return edit_->InsertFormat();
  return edit_->doc_.FormatAt(edit_->DocPos(edit_->SelStart()));
}

template <typename Fn>
void TTextAttributes::change(Fn&& fn) {
  TRichText& doc = edit_->doc_;
  if (default_) {
    TRichCharFormat f = doc.DefaultFormat();
    fn(f);
    doc.SetDefaultFormat(f);
    doc.ModifyFormat(0, doc.Length(), fn);
  } else if (edit_->SelLength() > 0) {
    int a = edit_->DocPos(edit_->SelStart()), b = edit_->DocPos(edit_->SelStart() + edit_->SelLength());
    doc.ModifyFormat(a, b - a, fn);
  } else {
    // No selection: the format waits for what is typed next.
    TRichCharFormat f = edit_->InsertFormat();
    fn(f);
    edit_->pendingFormat_ = f;
    edit_->hasPendingFormat_ = true;
  }
  edit_->Invalidate();
}

std::string TTextAttributes::Name() const { return current().FontName; }
int TTextAttributes::Size() const { return current().Size; }
TFontStyles TTextAttributes::Style() const { return StylesOf(current()); }
TColor TTextAttributes::Color() const { return current().Color; }
int TTextAttributes::Offset() const { return current().Offset; }

void TTextAttributes::SetName(const std::string& v) { change([&](TRichCharFormat& f) { f.FontName = v; }); }
void TTextAttributes::SetSize(int v) { change([&](TRichCharFormat& f) { f.Size = std::max(1, v); }); }
void TTextAttributes::SetColor(TColor v) { change([&](TRichCharFormat& f) { f.Color = v; }); }
void TTextAttributes::SetOffset(int v) { change([&](TRichCharFormat& f) { f.Offset = v; }); }
void TTextAttributes::SetStyle(TFontStyles v) {
  change([&](TRichCharFormat& f) {
    f.Bold = v.Contains(fsBold);
    f.Italic = v.Contains(fsItalic);
    f.Underline = v.Contains(fsUnderline);
    f.StrikeOut = v.Contains(fsStrikeOut);
  });
}

void TTextAttributes::Assign(const TFont* Font) {
  change([&](TRichCharFormat& f) {
    f.FontName = Font->Name();
    f.Size = Font->Size();
    f.Color = Font->Color();
    TFontStyles s = Font->Style();
    f.Bold = s.Contains(fsBold);
    f.Italic = s.Contains(fsItalic);
    f.Underline = s.Contains(fsUnderline);
    f.StrikeOut = s.Contains(fsStrikeOut);
  });
}

TAlignment TParaAttributes::Alignment() const {
  TRichAlignment a = edit_->doc_.Paragraph(edit_->doc_.ParagraphFromChar(edit_->DocPos(edit_->SelStart()))).Alignment;
  return a == raRight ? taRightJustify : a == raCenter ? taCenter : taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment v) {
  TRichText& doc = edit_->doc_;
  int first = doc.ParagraphFromChar(edit_->DocPos(edit_->SelStart()));
  int last = doc.ParagraphFromChar(edit_->DocPos(edit_->SelStart() + edit_->SelLength()));
  for (int p = first; p <= last; ++p)
    doc.SetParagraph(p, {v == taRightJustify ? raRight : v == taCenter ? raCenter : raLeft});
  edit_->Invalidate();
}

// ---- TCustomRichEdit ----

TRichEditStrings::TRichEditStrings(TCustomRichEdit* Edit) : TMemoStrings(Edit), edit_(Edit) {}

// The bytes go to the RTF reader as they are (its \'hh and code page rules
// decode them); plain text follows the text-file rule.
void TRichEditStrings::LoadFromStream(TStream& Stream) {
  if (edit_->PlainText()) {
    TMemoStrings::LoadFromStream(Stream);
    return;
  }
  std::string bytes;
  char buffer[4096];
  for (int64_t n; (n = Stream.Read(buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
  edit_->LoadRichText(bytes.rfind("{\\rtf", 0) == 0 ? bytes : DecodeText(bytes));
}

void TRichEditStrings::SaveToStream(TStream& Stream, TTextEncoding Encoding) const {
  if (edit_->PlainText()) {
    TMemoStrings::SaveToStream(Stream, Encoding);
    return;
  }
  Stream.WriteString(edit_->SaveRichText());
}

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {
  Model().SetLineBreak("\r");
  ReplaceLines(std::make_unique<TRichEditStrings>(this));
  TRichCharFormat f;
  f.FontName = Font()->Name();
  f.Size = Font()->Size();
  f.Color = 0;
  doc_.SetDefaultFormat(f);
  Model().OnChange = [this] {
    syncDocument();
    TextChanged();
  };
}

TCustomRichEdit::~TCustomRichEdit() { Model().OnChange = nullptr; }

// The edit keeps paragraph breaks as one "\r", as the document does, so
// positions are the same on both sides.
int TCustomRichEdit::DocPos(int editPos) const { return std::clamp(editPos, 0, doc_.Length()); }
int TCustomRichEdit::EditPos(int docPos) const { return std::clamp(docPos, 0, doc_.Length()); }

std::string TCustomRichEdit::GetText() const { return doc_.PlainText(); }

TRichCharFormat TCustomRichEdit::InsertFormat() const {
  if (hasPendingFormat_) return pendingFormat_;
  int p = DocPos(SelStart());
  if (doc_.Length() == 0) return doc_.DefaultFormat();
  return doc_.FormatAt(p > 0 ? p - 1 : 0);
}

// The memo's text changed: the document takes the same change, the new
// characters in the format typing uses.
void TCustomRichEdit::syncDocument() {
  if (loading_) return;
  std::string now = ToDocText(Model().Text());
  const std::string& was = doc_.Text();
  size_t prefix = 0;
  while (prefix < now.size() && prefix < was.size() && now[prefix] == was[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < now.size() - prefix && suffix < was.size() - prefix &&
         now[now.size() - 1 - suffix] == was[was.size() - 1 - suffix])
    ++suffix;
  TRichCharFormat f = InsertFormat();
  int removed = static_cast<int>(was.size() - prefix - suffix);
  std::string added = now.substr(prefix, now.size() - prefix - suffix);
  if (prefix > 0 && !hasPendingFormat_) f = doc_.FormatAt(static_cast<int>(prefix) - 1);
  doc_.Delete(static_cast<int>(prefix), removed);
  doc_.Insert(static_cast<int>(prefix), added, f);
  if (!added.empty()) hasPendingFormat_ = false;
}

void TCustomRichEdit::RealSetText(const std::string& v) {
  if (!plainText_ && v.rfind("{\\rtf", 0) == 0) {
    LoadRichText(v);
    return;
  }
  TCustomMemo::RealSetText(v);
}

void TCustomRichEdit::LoadRichText(const std::string& Data) {
  loading_ = true;
  // Text that is not RTF loads as plain text in the default format.
  if (plainText_) doc_.SetPlainText(Data); else doc_.LoadRtf(Data);
  hasPendingFormat_ = false;
  TCustomMemo::RealSetText(doc_.PlainText());
  loading_ = false;
  Invalidate();
}

std::string TCustomRichEdit::SaveRichText() const { return plainText_ ? doc_.PlainText() : doc_.SaveRtf(); }

TRichMeasure TCustomRichEdit::measure(TCanvas* c, double scale) {
  TRichMeasure m;
  m.TextWidth = [c, scale](const TRichCharFormat& f, const std::string& s) {
    ApplyFont(c, f, scale);
    return c->TextWidth(s);
  };
  m.LineHeight = [c, scale](const TRichCharFormat& f) {
    ApplyFont(c, f, scale);
    return c->TextHeight("Wg");
  };
  m.TabWidth = std::max(1, static_cast<int>(std::lround(48 * scale)));
  return m;
}

int TCustomRichEdit::RenderRange(TCanvas* c, const TRect& R, double Scale, int From, int To, bool Draw) {
  TRichLayoutResult layout = LayoutRichText(doc_, From, R.Width(), R.Height(), measure(c, Scale));
  int next = layout.FirstNotFitting;
  if (!Draw) return To >= 0 ? std::min(next, To) : next;
  c->SaveDC();
  c->IntersectClipRect(R.Left, R.Top, R.Right, R.Bottom);
  c->Brush()->SetStyle(bsClear);
  for (const TRichLine& line : layout.Lines) {
    if (To >= 0 && line.Start >= To) { next = line.Start; break; }
    for (const TRichFragment& f : line.Fragments) {
      std::string text = doc_.Text().substr(f.Start, f.Length);
      if (text == "\t") continue;
      ApplyFont(c, f.Format, Scale);
      int h = c->TextHeight("Wg");
      c->TextOut(R.Left + f.X, R.Top + line.Top + line.Height - h - offsetPixels(f.Format, Scale), text);
    }
  }
  c->RestoreDC(-1);
  return next;
}

int TCustomRichEdit::FormatRange(const TFormatRange& Range, bool Render) {
  if (Range.hdc == nullptr) return 0;
  int ppiX = Range.hdc->GetDeviceCaps(LOGPIXELSX), ppiY = Range.hdc->GetDeviceCaps(LOGPIXELSY);
  if (ppiX <= 0) ppiX = 96;
  if (ppiY <= 0) ppiY = 96;
  auto px = [](int twips, int ppi) { return static_cast<int>(static_cast<long long>(twips) * ppi / 1440); };
  TRect r = Rect(px(Range.rc.Left, ppiX), px(Range.rc.Top, ppiY), px(Range.rc.Right, ppiX), px(Range.rc.Bottom, ppiY));
  int from = std::clamp(Range.chrg.cpMin, 0, doc_.Length());
  return RenderRange(Range.hdc, r, ppiY / 96.0, from, Range.chrg.cpMax, Render);
}

void TCustomRichEdit::RequestSize() {
  TRect area = FormatRect();
  TRichLayoutResult layout = LayoutRichText(doc_, 0, std::max(1, area.Width()), 0, measure(Canvas(), 1.0));
  if (OnResizeRequest) OnResizeRequest(this, Rect(0, 0, layout.Width, layout.Height));
}

void TCustomRichEdit::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (BorderStyle() == bsSingle) DrawFieldFrame(c, r, Enabled(), Focused(), ReadOnly());
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  TRect area = FormatRect();
  TRichLayoutResult layout = LayoutRichText(doc_, 0, area.Width(), 0, measure(c, 1.0));
  int selA = DocPos(SelStart()), selB = DocPos(SelStart() + SelLength());
  c->SaveDC();
  c->IntersectClipRect(area.Left, area.Top, area.Right, area.Bottom);
  for (const TRichLine& line : layout.Lines) {
    for (const TRichFragment& f : line.Fragments) {
      std::string text = doc_.Text().substr(f.Start, f.Length);
      ApplyFont(c, f.Format, 1.0);
      int h = c->TextHeight("Wg");
      int x = area.Left + f.X, y = area.Top + line.Top + line.Height - h - offsetPixels(f.Format, 1.0);
      int a = std::max(selA, f.Start), b = std::min(selB, f.Start + f.Length);
      if (Focused() && a < b) {
        int x1 = x + c->TextWidth(text.substr(0, a - f.Start)), x2 = x + c->TextWidth(text.substr(0, b - f.Start));
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clHighlight);
        c->FillRect(Rect(x1, area.Top + line.Top, x2, area.Top + line.Top + line.Height));
      }
      if (text == "\t") continue;
      c->Brush()->SetStyle(bsClear);
      c->TextOut(x, y, text);
    }
  }
  // The caret: after the character before it, or at the start of its line.
  if (Focused() && SelLength() == 0) {
    int caret = DocPos(SelStart());
    for (const TRichLine& line : layout.Lines) {
      if (caret < line.Start || caret > line.End) continue;
      int x = area.Left;
      for (const TRichFragment& f : line.Fragments) {
        if (caret < f.Start) break;
        ApplyFont(c, f.Format, 1.0);
        x = area.Left + f.X + c->TextWidth(doc_.Text().substr(f.Start, std::min(f.Length, caret - f.Start)));
      }
      c->Pen()->SetColor(clWindowText);
      c->MoveTo(x, area.Top + line.Top);
      c->LineTo(x, area.Top + line.Top + line.Height);
      break;
    }
  }
  c->RestoreDC(-1);
}

void TCustomRichEdit::charFormatMessage(TMessage& Message) {
  auto* cf = reinterpret_cast<TCharFormat*>(Message.LParam);
  if (cf == nullptr || cf->cbSize < sizeof(TCharFormat)) {
    Message.Result = 0;
    return;
  }
  TTextAttributes* a = Message.WParam == SCF_SELECTION ? SelAttributes() : DefAttributes();
  if (Message.Msg == EM_GETCHARFORMAT) {
    cf->yOffset = a->Offset();
    cf->dwMask = CFM_OFFSET;
    Message.Result = CFM_OFFSET;
    return;
  }
  if (cf->dwMask & CFM_OFFSET) a->SetOffset(cf->yOffset);
  Message.Result = 1;
}

void TCustomRichEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case EM_FORMATRANGE:
      Message.Result = Message.LParam == 0 ? 0
                       : FormatRange(*reinterpret_cast<const TFormatRange*>(Message.LParam), Message.WParam != 0);
      return;
    case EM_REQUESTRESIZE: RequestSize(); return;
    case EM_GETTEXTLENGTHEX: Message.Result = doc_.Length(); return;
    case EM_SETCHARFORMAT:
    case EM_GETCHARFORMAT: charFormatMessage(Message); return;
    default: TCustomMemo::Dispatch(Message);
  }
}
