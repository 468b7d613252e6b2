#pragma once
// Recognises an image file by its first bytes, whatever its name says.

#include <cstddef>
#include <cstdint>

enum TImageFormat { ifUnknown, ifBmp, ifPng, ifJpeg, ifGif, ifIco };

TImageFormat DetectImageFormat(const uint8_t* data, size_t size);
