#pragma once
// The string grid's own pointer shapes: the cursors of the program's
// resources, found by their number and registered with the screen once.

#include "toolkit/forms/Controls.h"

// The resource cursor Number ("8010" ...), or Fallback while the resource is missing.
TCursor GridResourceCursor(TCursor Number, TCursor Fallback);
