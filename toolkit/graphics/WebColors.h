#pragma once
// Colour notations of the web: the CSS colour names and the "#RRGGBB" form.

#include <string>

#include "toolkit/graphics/Colors.h"

// The CSS name of c's RGB value ("red", "aqua"), system colours resolved first;
// where two names share a value the first in alphabetical order is given
// (aqua before cyan, fuchsia before magenta, gray before grey); else the
// HTML notation of c.
std::string ColorToWebName(TColor c);
// "#RRGGBB" in upper-case hexadecimal, system colours resolved first.
std::string ColorToHtml(TColor c);
// A CSS name (any case) or "#RRGGBB"; false, leaving c alone, for anything else.
bool WebNameToColor(const std::string& s, TColor& c);
