#include "controls/ExtDropDownUtil.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/rtl/Utf8Text.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

uint8_t ChannelStep(uint8_t from, uint8_t to, int i, int steps) {
  return uint8_t(from + std::nearbyint(double(i) * (int(to) - int(from)) / steps));
}

}  // namespace

char GetThousandSeparator() { return LocaleThousandSeparator(); }
char GetDecimalSeparator() { return LocaleDecimalSeparator(); }

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect, bool SideBySide) {
  if (Steps <= 0) Steps = 1;
  const TColor f = ColorToRGB(FromColor), t = ColorToRGB(ToColor);
  TRect r = Rect;
  if (SideBySide) --r.Right;
  else --r.Bottom;
  const double d = double(SideBySide ? r.Right - r.Left : r.Bottom - r.Top) / Steps;
  const int band = int(std::nearbyint(d));
  Canvas->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < Steps; ++i) {
    const TColor c = RGB(ChannelStep(GetRValue(f), GetRValue(t), i, Steps),
                         ChannelStep(GetGValue(f), GetGValue(t), i, Steps),
                         ChannelStep(GetBValue(f), GetBValue(t), i, Steps));
    Canvas->Pen()->SetColor(c);
    Canvas->Brush()->SetColor(c);
    const int start = int(std::nearbyint(i * d));
    if (SideBySide)
      Canvas->Rectangle(r.Left + start, r.Top, r.Left + start + band + 1, r.Bottom);
    else
      Canvas->Rectangle(r.Left, r.Top + start, r.Right, r.Top + start + band + 1);
  }
}

TColor MixColors(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  return MixChannels(Color1, Color2, Percent / 100.0);
}

TColor ScaleColorChannels(TColor Color, int RedPct, int GreenPct, int BluePct) {
  const TColor c = ColorToRGB(Color);
  // Kept within 0..255: a darkening past -100 % gives 0, not a wrapped bright value.
  auto scale = [](uint8_t v, int pct) -> uint8_t {
    if (v == 0) return uint8_t(std::clamp(pct, 0, 255));
    return uint8_t(std::clamp(int(std::nearbyint(v * std::min(100, 100 + pct) / 100.0)), 0, 255));
  };
  return RGB(scale(GetRValue(c), RedPct), scale(GetGValue(c), GreenPct), scale(GetBValue(c), BluePct));
}

void DrawGradientBox(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor BorderColor,
                     int BorderWidth, TGradientDirection Direction) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    DrawGradient(Canvas, Color, ColorTo, 80, Rect, Direction == gdHorizontal);
  } else if (Color != clNone) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
  }
  if (BorderColor != clNone && BorderWidth > 0) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->Pen()->SetWidth(BorderWidth);
    Canvas->Rectangle(Rect);
    Canvas->Pen()->SetWidth(1);
    Canvas->Brush()->SetStyle(bsSolid);
  }
}

void DrawImageText(TCanvas* Canvas, TRect Rect, const std::string& Text, int ImageIndex, TImageList* Images) {
  if (!Canvas) return;
  const bool image = ImageIndex >= 0 && Images;
  if (image) {
    Images->Draw(Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex, true);
    Rect.Left += Images->Width() + 8;
  }
  if (Text.empty()) return;
  uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (!image) flags |= DT_CENTER;
  Canvas->DrawText(Text, Rect, flags);
}

void DrawBitmapOnColor(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& Rect) {
  if (!Bitmap || Bitmap->Width() == 0 || Bitmap->Height() == 0) return;
  const int w = Bitmap->Width(), h = Bitmap->Height();
  TBitmap copy(w, h);
  copy.Canvas()->Brush()->SetColor(Color);
  copy.Canvas()->BrushCopy(TRect(0, 0, w, h), Bitmap, TRect(0, 0, w, h), Bitmap->Canvas()->Pixels(0, 0));
  Canvas->CopyRect(Rect, copy.Canvas(), TRect(0, 0, Rect.Width(), Rect.Height()));
}

void GetTextSize(TCanvas* Canvas, const std::string& Text, TSize& Size) {
  Size = {0, 0};
  if (Text.empty()) return;
  TRect r(0, 0, 1000, 500);
  Canvas->DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  Size = {r.Width(), r.Height()};
}

void EllipsisText(TCanvas* Canvas, const std::string& Text, int MaxWidth, std::string& Result, bool AddDots) {
  Result = Text;
  if (Canvas->TextWidth(Text) <= MaxWidth) return;
  const std::string dots = AddDots ? "..." : "";
  // Whole characters come off the end, so no character is ever split.
  for (size_t end = Text.size(); end > 0;) {
    end = Utf8CharStart(Text, end - 1);
    std::string candidate = Text.substr(0, end) + dots;
    if (Canvas->TextWidth(candidate) < MaxWidth) {
      Result = std::move(candidate);
      return;
    }
  }
}

void DrawHTMLCaption(TCanvas* Canvas, const std::string& Text, const TRect& Rect, TImageList* Images, bool Draw,
                     HWND WindowHandle, TSize& Size) {
  Size = {0, 0};
  if (Text.empty()) return;
  THTMLTextCall call;
  call.Images = Images;
  call.MeasureOnly = !Draw;
  call.Window = WindowHandle;
  call.ShadowColor = TColor(0x808080);
  call.HoverBackColor = clNone;
  call.HoverTextColor = clNone;
  call.LinkColor = TColor(0xFF0000);
  DrawHTMLText(Canvas, Text, Rect, call);
  Size = {call.MaxWidth, call.TotalHeight};
}

bool IsRangeDelimiter(char Ch) { return Ch == ',' || Ch == '-' || Ch == ';'; }

int NumberKind(std::string_view Text) {
  if (Text.empty()) return 2;
  const char thousand = GetThousandSeparator(), decimal = GetDecimalSeparator();
  bool hexOk = true, intOk = true, decOk = true;
  int minus = 0, decimals = 0, lastThousand = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    const int pos = int(i) + 1;
    const bool digit = c >= '0' && c <= '9';
    hexOk = hexOk && (digit || c == '-' || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
    intOk = intOk && (digit || c == '-');
    decOk = decOk && (digit || (c >= ',' && c <= '.'));
    if (c == thousand) {
      // A separator stands at least three places after the one before; none leads.
      if (pos == 1 || (lastThousand > 0 && pos - lastThousand < 3)) decOk = false;
      lastThousand = pos;
    }
    if (c == '-') ++minus;
    if (c == decimal) ++decimals;
  }
  if (minus > 1 || decimals > 1) return 2;
  if (intOk) return 0;
  if (decOk) return 1;
  if (hexOk) return 5;
  return 2;
}

std::string RemoveThousandSeparators(std::string_view Text) {
  std::string out;
  const char thousand = GetThousandSeparator();
  for (char c : Text)
    if (c != thousand) out += c;
  return out;
}

int HexDigitValue(char Ch) {
  if (Ch >= '0' && Ch <= '9') return Ch - '0';
  if (Ch >= 'A' && Ch <= 'F') return Ch - 'A' + 10;
  if (Ch >= 'a' && Ch <= 'f') return Ch - 'a' + 10;
  return 0;
}

int HexToInt(std::string_view Text) {
  uint32_t value = 0, weight = 1;
  for (size_t i = Text.size(); i-- > 0;) {
    value += uint32_t(HexDigitValue(Text[i])) * weight;
    weight *= 16;
  }
  return int32_t(value);
}

std::string UpperCaseUnless(std::string_view Text, bool KeepCase) {
  return KeepCase ? std::string(Text) : AnsiUpperCase(Text);
}

void TDbgList::AssignList(const TList& ListA) {
  Clear();
  for (int i = 0; i < ListA.Count(); ++i) Add(ListA.Items(i));
}

void* TDbgList::GetItemsEx(int Index) const {
  if (Index >= Count()) throw Exception("Index out of bounds in list read access");
  return Items(Index);
}

void TDbgList::SetItemsEx(int Index, void* Value) {
  if (Index >= Count()) throw Exception("Index out of bounds in list write access");
  SetItems(Index, Value);
}
