#pragma once
// The clipboard's text as the standard controls use it.

#include <string>

std::string ClipboardText();
void SetClipboardText(const std::string& s);
