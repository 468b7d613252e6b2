#pragma once
// Types of the grid's clipboard, file export and import (the export
// states are TGridExportState in grid/data/ExtGridDataTypes.h).

#include <cstdint>
#include <functional>

class TObject;
class TStream;

enum TClipOperation { coCut, coCopy };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// Progress in percent (0..100), sent only when it changed.
using TFileProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
