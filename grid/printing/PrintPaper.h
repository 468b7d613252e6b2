#pragma once
// The paper a grid prints on, in layout units of 0.1 mm: the printer's page
// turned to the orientation the print settings ask for.

#include <cmath>
#include <utility>

#include "grid/core/ExtGridPrintSettings.h"
#include "toolkit/graphics/Printers.h"

inline TRect PrintPaperRect(const TPrinter& Printer, const TPrintSettings& Settings) {
  int w = Printer.PageWidth(), h = Printer.PageHeight();
  if (!Settings.UseDefaultOrientation() && Settings.Orientation() != Printer.Orientation()) std::swap(w, h);
  const double unitsPerDot = 254.0 / Printer.DotsPerInch();
  return TRect(0, 0, int(std::lround(unitsPerDot * w)), int(std::lround(unitsPerDot * h)));
}
