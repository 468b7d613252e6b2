#pragma once
// Clipboard format numbers: the standard ones by their conventional values,
// and named formats registered at run time (one number per name, names
// matched case-insensitively, numbers from 0xC000 on). The same numbers
// describe drag-and-drop data.

#include <cstdint>
#include <string>

constexpr uint32_t CF_TEXT = 1;          // 8-bit text (Windows-1252), zero-terminated
constexpr uint32_t CF_BITMAP = 2;
constexpr uint32_t CF_OEMTEXT = 7;
constexpr uint32_t CF_DIB = 8;
constexpr uint32_t CF_UNICODETEXT = 13;  // UTF-16LE text, zero-terminated
constexpr uint32_t CF_HDROP = 15;        // a file-drop block (DataBlocks.h)
constexpr uint32_t CF_LOCALE = 16;

// The number for the name (registering it on first use); 0 for an empty name.
uint32_t RegisterClipboardFormat(const std::string& name);
// The registered name of a number, "" for standard and unknown numbers.
std::string GetClipboardFormatName(uint32_t format);
