#include "toolkit/forms/std/Label.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/forms/std/ControlPaint.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle({csSetCaption, csClickEvents, csDoubleClicks, csReplicatable});
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

uint32_t TCustomLabel::DrawFlags() const {
  static const uint32_t kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  uint32_t f = DT_EXPANDTABS | kAlign[alignment_] | (wordWrap_ ? DT_WORDBREAK : 0);
  if (!showAccelChar_) f |= DT_NOPREFIX;
  return f;
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_) return;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  std::string text = DisplayText();
  c->DrawText(text.empty() ? std::string(" ") : text, r, DrawFlags() | DT_CALCRECT);
  int left = Left();
  // A right-aligned label grows to the left, a centred one both ways.
  if (!wordWrap_ && alignment_ == taRightJustify) left += Width() - r.Width();
  if (!wordWrap_ && alignment_ == taCenter) left += (Width() - r.Width()) / 2;
  SetBounds(left, Top(), wordWrap_ ? Width() : r.Width(), r.Height());
}

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  }
  c->Font()->Assign(Font());
  std::string text = DisplayText();
  if (layout_ != tlTop) {
    TRect calc = r;
    c->DrawText(text, calc, DrawFlags() | DT_CALCRECT);
    int room = r.Height() - calc.Height();
    r.Top += layout_ == tlBottom ? room : room / 2;
  }
  DrawCaption(c, text, r, DrawFlags(), Enabled());
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(Message);
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR: {
      TCMDialogChar m(Message);
      if (focusControl_ != nullptr && Enabled() && showAccelChar_ && IsAccel(m.CharCode, Caption()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    }
    default: break;
  }
  TGraphicControl::Dispatch(Message);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

// ---- TLinkLabel ----

TLinkLabel::TLinkLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}

// Splits "<a href="x">text</a>" markup into the shown text and its links;
// anything that is not a well-formed anchor is shown as it is.
void TLinkLabel::parse() const {
  std::string src = Caption();
  if (parsed_ && src == parsedFrom_) return;
  parsed_ = true;
  parsedFrom_ = src;
  shown_.clear();
  links_.clear();
  size_t i = 0;
  while (i < src.size()) {
    if (src.compare(i, 2, "<a") == 0 || src.compare(i, 2, "<A") == 0) {
      size_t close = src.find('>', i);
      size_t end = close == std::string::npos ? close : src.find("</a>", close);
      if (end == std::string::npos) end = close == std::string::npos ? close : src.find("</A>", close);
      if (close != std::string::npos && end != std::string::npos) {
        std::string tag = src.substr(i, close - i);
        TLink link;
        auto attr = [&](const std::string& name) {
          size_t p = tag.find(name + "=\"");
          if (p == std::string::npos) return std::string();
          p += name.size() + 2;
          size_t q = tag.find('"', p);
          return q == std::string::npos ? std::string() : tag.substr(p, q - p);
        };
        link.Href = attr("href");
        link.Id = attr("id");
        link.Start = static_cast<int>(shown_.size());
        shown_ += src.substr(close + 1, end - close - 1);
        link.Length = static_cast<int>(shown_.size()) - link.Start;
        links_.push_back(link);
        i = end + 4;
        continue;
      }
    }
    shown_ += src[i++];
  }
}

std::string TLinkLabel::DisplayText() const {
  parse();
  return shown_;
}

const std::vector<TLinkLabel::TLink>& TLinkLabel::Links() {
  parse();
  return links_;
}

int TLinkLabel::LinkAt(TPoint p) {
  parse();
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  int h = c->TextHeight("Wg");
  if (p.Y < 0 || p.Y >= h) return -1;
  for (size_t i = 0; i < links_.size(); ++i) {
    int x1 = c->TextWidth(shown_.substr(0, links_[i].Start));
    int x2 = x1 + c->TextWidth(shown_.substr(links_[i].Start, links_[i].Length));
    if (p.X >= x1 && p.X < x2) return static_cast<int>(i);
  }
  return -1;
}

void TLinkLabel::Paint() {
  parse();
  TCanvas* c = Canvas();
  if (!Transparent()) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  c->Brush()->SetStyle(bsClear);
  int x = 0, at = 0;
  auto out = [&](int from, int to, bool link) {
    if (to <= from) return;
    c->Font()->Assign(Font());
    if (link) {
      c->Font()->SetColor(Enabled() ? clHotLight : clGrayText);
      c->Font()->SetStyle(c->Font()->Style() + TFontStyles{fsUnderline});
    } else if (!Enabled()) {
      c->Font()->SetColor(clGrayText);
    }
    std::string part = shown_.substr(from, to - from);
    c->TextOut(x, 0, part);
    x += c->TextWidth(part);
  };
  for (const TLink& l : links_) {
    out(at, l.Start, false);
    out(l.Start, l.Start + l.Length, true);
    at = l.Start + l.Length;
  }
  out(at, static_cast<int>(shown_.size()), false);
}

void TLinkLabel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomLabel::MouseMove(Shift, X, Y);
  SetCursor(LinkAt({X, Y}) >= 0 ? crHandPoint : crDefault);
}

void TLinkLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomLabel::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  int i = LinkAt({X, Y});
  if (i < 0 || !OnLinkClick) return;
  const TLink& l = links_[i];
  OnLinkClick(this, l.Href.empty() ? l.Id : l.Href, l.Href.empty() ? sltID : sltURL);
}
