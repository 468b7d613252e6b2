#pragma once
// The process-wide fixed-text-metrics switch. Layout tests turn it on so that
// text measures the same on every machine:
//   line height  = |Font.Height| pixels, whatever its sign (Height 0, the
//                  default size, counts as 11);
//   cell width   = ceil(line height / 2) pixels, for every character (a UTF-8
//                  code point), bold and italic included; a tab expands to the
//                  next multiple of 8 cells;
//   ascent       = line height - line height / 5, descent = line height / 5,
//                  no internal or external leading.
// Drawing still shows the glyphs: each one is centred in its cell.

void SetFixedTextMetrics(bool on);
bool FixedTextMetrics();

// The cell of the fixed mode for a font of the given Height (logical pixels).
int FixedLineHeight(int fontHeight);
int FixedCharWidth(int fontHeight);
