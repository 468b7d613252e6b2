#include "toolkit/graphics/TextMetrics.h"

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<bool> g_fixedMetrics{false};
}

void SetFixedTextMetrics(bool on) { g_fixedMetrics = on; }
bool FixedTextMetrics() { return g_fixedMetrics; }

int FixedLineHeight(int fontHeight) {
  return fontHeight == 0 ? 11 : std::abs(fontHeight);
}

int FixedCharWidth(int fontHeight) { return (FixedLineHeight(fontHeight) + 1) / 2; }
