// Inline objects of HTML text: images from the image list, the picture
// container or the picture cache, page backgrounds, and pictures of small
// controls that the grid turns into real editors when clicked.
#include <algorithm>
#include <cmath>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"
#include "grid/foundation/ExtXPVS.h"
#include "grid/foundation/PictureContainer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"

namespace htmle {

namespace {

int Dpi(TCanvas* c, int index) {
  const int v = c->GetDeviceCaps(index);
  return v > 0 ? v : 96;
}

int FromDpi96(TCanvas* c, int v, int index) { return v * Dpi(c, index) / 96; }

struct TReserved {
  int W = 0, H = 0;
};

// "://" sources are loaded once, as written, and found again by the upper-cased text.
THTMLPicture* CachedPicture(THTMLPictureCache* cache, const std::string& srcAsWritten) {
  const std::string key = UpperAZ(srcAsWritten);
  if (THTMLPicture* pic = cache->FindPicture(key)) return pic;
  THTMLPicture* pic = cache->AddPicture();
  pic->SetAsynch(false);
  pic->LoadFromURL(srcAsWritten);
  pic->SetID(key);
  return pic;
}

void DrawListImage(TCallState& s, TPassState& p, int index) {
  TImageList* list = s.Io->Images;
  if (!s.Io->ScaleImages) {
    list->Draw(s.Canvas, p.Dr.Left, p.Dr.Top, index);
    return;
  }
  TBitmap bmp;
  list->GetBitmap(index, &bmp);
  const int w = int(std::lround(list->Width() * s.Io->ImageScale));
  const int h = int(std::lround(list->Height() * s.Io->ImageScale));
  s.Canvas->StretchDraw(TRect(p.Dr.Left, p.Dr.Top, p.Dr.Left + w, p.Dr.Top + h), &bmp);
}

TReserved PlacePicture(TCallState& s, TPassState& p, THTMLPicture* pic, int reqW, int reqH) {
  TReserved r;
  if (!pic || pic->Empty() || pic->Width() <= 0 || pic->Height() <= 0) return r;
  int w = reqW, h = reqH;
  if (reqW > 0 && reqH <= 0) h = int(std::lround(double(pic->Height()) * reqW / pic->Width()));
  if (reqH > 0 && reqW <= 0) w = int(std::lround(double(pic->Width()) * reqH / pic->Height()));
  const bool requested = reqW > 0 || reqH > 0;
  TCanvas* c = s.Canvas;
  if (p.Drawing) {
    if (requested) {
      pic->SetStretch(true);
      pic->Draw(c, TRect(p.Dr.Left, p.Dr.Top, p.Dr.Left + w, p.Dr.Top + h));
    } else {
      if (pic->FrameCount() > 1 && s.StartBrush != clNone) {
        const TColor keep = BrushColorOf(c);
        SetBrushColorOf(c, s.StartBrush);
        c->FillRect(TRect(p.Dr.Left, p.Dr.Top, p.Dr.Left + pic->MaxWidth(), p.Dr.Top + pic->MaxHeight()));
        SetBrushColorOf(c, keep);
      }
      const int x = p.Dr.Left + pic->FrameXPos(), y = p.Dr.Top + pic->FrameYPos();
      pic->Draw(c, TRect(x, y, x + pic->Width(), y + pic->Height()));
    }
  }
  r.W = FromDpi96(c, requested ? w : pic->MaxWidth(), LOGPIXELSX);
  r.H = FromDpi96(c, requested ? h : pic->MaxHeight(), LOGPIXELSY);
  return r;
}

}  // namespace

bool TakeRoom(TPassState& p, int w, int h) {
  if (p.Width + w > p.LineWidth() && w < p.LineWidth()) {
    p.LineFull = true;
    return false;
  }
  p.Width += w;
  p.Dr.Left += w;
  p.Height = std::max(p.Height, h);
  return true;
}

void HandleImage(TCallState& s, TPassState& p, const std::string& tag, const std::string& up) {
  ++s.ImageCount;
  THTMLTextCall& io = *s.Io;
  std::string src = HTMLTagAttribute(tag, up, "SRC", true);
  if (up.find("ALT") != std::string::npos && s.HitImage == s.ImageCount)
    src = HTMLTagAttribute(tag, up, "ALT", true);
  std::string value = UpperAZ(src);
  const int reqW = ParseHTMLNumberIn(HTMLTagAttribute(tag, up, "WIDTH", false), 0, kMaxMarkupExtent);
  const int reqH = ParseHTMLNumberIn(HTMLTagAttribute(tag, up, "HEIGHT", false), 0, kMaxMarkupExtent);
  TReserved room;
  if (value.find("IDX:") != std::string::npos) {
    value.erase(0, 4);
    src.erase(0, std::min<size_t>(4, src.size()));
    const int index = ParseHTMLNumber(value);
    if (io.Images && index >= 0 && index < io.Images->Count()) {
      room.W = FromDpi96(s.Canvas, io.Images->Width(), LOGPIXELSX);
      room.H = FromDpi96(s.Canvas, io.Images->Height(), LOGPIXELSY);
      if (p.Drawing) DrawListImage(s, p, index);
    }
  } else if (value.find("SSYS:") != std::string::npos || value.find("LSYS:") != std::string::npos) {
    // This platform has no system image lists: the icon reserves nothing.
    value.erase(0, 5);
    src.erase(0, std::min<size_t>(5, src.size()));
  }
  THTMLPicture* pic = nullptr;
  if (value.find(':') == std::string::npos && io.Pictures) pic = io.Pictures->FindPicture(value);
  if (value.find("://") != std::string::npos && io.UrlPictures) pic = CachedPicture(io.UrlPictures, src);
  if (pic && !pic->Empty()) room = PlacePicture(s, p, pic, reqW, reqH);

  const int rel = io.HitX - p.Line.Left;
  if (rel > p.Width && rel < p.Width + room.W && io.HitY > p.Dr.Top && io.HitY < p.Dr.Top + room.H &&
      s.InAnchor) {
    p.HitCtl = true;
    io.HitHref = s.Href;
    io.HitTitle = s.Title;
    s.HitImage = s.ImageCount;
  }
  if (!TakeRoom(p, room.W, room.H)) return;
  const size_t al = up.find("ALIGN");
  if (al != std::string::npos) {
    const int gh = GhHeight(s.Canvas);
    if (up.find("\"TOP", al) != std::string::npos) p.Raise = p.Height - gh;
    else if (up.find("\"MIDDLE", al) != std::string::npos) p.Raise = (p.Height - gh) / 2;
  }
}

void HandleBodyBackground(TCallState& s, const std::string& tag, const std::string& up) {
  TCanvas* c = s.Canvas;
  std::string bg = HTMLTagAttribute(tag, up, "BACKGROUND", true);
  if (!bg.empty()) {
    THTMLPicture* pic = nullptr;
    if (bg.find(':') == std::string::npos && s.Io->Pictures) pic = s.Io->Pictures->FindPicture(bg);
    if (bg.find("://") != std::string::npos && s.Io->UrlPictures) pic = CachedPicture(s.Io->UrlPictures, bg);
    if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0) {
      c->SaveDC();
      c->IntersectClipRect(s.Bounds.Left, s.Bounds.Top, s.Bounds.Right, s.Bounds.Bottom);
      for (int y = s.Bounds.Top; y < s.Bounds.Bottom; y += pic->Height())
        for (int x = s.Bounds.Left; x < s.Bounds.Right; x += pic->Width())
          pic->Draw(c, TRect(x, y, x + pic->Width(), y + pic->Height()));
      c->RestoreDC(-1);
    }
  }
  if (up.find("BGCOLOR") == std::string::npos) return;
  const TColor color = NamedOrHexColor(HTMLTagAttribute(tag, up, "BGCOLOR", false));
  if (color == clNone) return;
  SetBrushColorOf(c, color);
  c->FillRect(s.Bounds);
  s.FontBrush = color;
}

}  // namespace htmle
