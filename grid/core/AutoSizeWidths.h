#pragma once
// While an auto-size runs, each distinct text is measured once per font; outside
// one these measure directly. Every measuring of cell text goes through them.

#include <string>

class TCanvas;

int AutoSizeTextWidth(TCanvas& Canvas, const std::string& Line);
int AutoSizeLineHeight(TCanvas& Canvas);
