#pragma once
// Types of the grid's clipboard, file export and import.

#include <cstdint>
#include <functional>

class TObject;
class TStream;

enum TClipOperation { coCut, coCopy };
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// Progress in percent (0..100), sent only when it changed.
using TFileProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
