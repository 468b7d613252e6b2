#pragma once
// A headless display with fixed text metrics for a fuzz target that makes
// grids: made once, on the first input, and kept for the run.

#include "platform/display/headless/HeadlessHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/TextMetrics.h"

struct TFuzzDisplay {
  platform::HeadlessHost host;
  TFuzzDisplay() {
    platform::SetDisplay(&host);
    SetFixedTextMetrics(true);
    InitializeForms();
  }
};
