#pragma once
// A headless display with fixed text metrics for the length of a benchmark, so
// that windows can be created and painted without a screen.

#include "platform/display/headless/HeadlessHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/TextMetrics.h"

struct HeadlessSession {
  platform::HeadlessHost host;
  HeadlessSession() {
    platform::SetDisplay(&host);
    SetFixedTextMetrics(true);
    InitializeForms();
  }
  ~HeadlessSession() {
    FinalizeForms();
    platform::SetDisplay(nullptr);
    SetFixedTextMetrics(false);
  }
};
