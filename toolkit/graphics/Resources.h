#pragma once
// Named resources: the files under resources/ that the build embeds. A
// resource is found by name, without regard to case, given as its path
// ("glyphs/ESGCHK01.png"), its file name ("ESGCHK01.png") or its bare name
// ("ESGCHK01"); a number n stands for the bare name "n" (also written "#n").
// The kind narrows the search by file type, so a bitmap and a cursor may share
// a name.

#include <string>

#include "toolkit/graphics/codecs/IcoCodec.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/EmbeddedResource.h"

enum TResourceKind {
  rkBitmap,   // .bmp, .png
  rkCursor,   // .cur
  rkIcon,     // .ico
  rkRawData,  // any file
};

// nullptr when there is no such resource.
const EmbeddedResource* FindResourceOrNull(const std::string& name, TResourceKind kind);
// Raises EResNotFound naming the resource when there is none.
const EmbeddedResource& FindResource(const std::string& name, TResourceKind kind);
const EmbeddedResource& FindResource(int id, TResourceKind kind);

// Decodes a bitmap resource (BMP or PNG). Raises EResNotFound or EInvalidGraphic.
TPixelImage LoadResourceImage(const std::string& name);
// Decodes a cursor (or, with rkIcon, an icon) resource.
TIcoFile LoadResourceIcon(const std::string& name, TResourceKind kind = rkCursor);
