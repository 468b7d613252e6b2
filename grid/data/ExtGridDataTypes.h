#pragma once
// The vocabulary of the string grid's data operations (sorting, filtering,
// calculations), shared by the grid, its settings objects and the engines
// that do the work without a grid. Forms store these by value name: never
// reorder.

#include "toolkit/rtl/Sets.h"

enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// fmContains: the condition occurs in the text as written (typed search text,
// where "*" or "<" are plain characters).
enum TFilterMethod { fmExpression, fmLiteral, fmContains };

// Options of a cell search, in the order of their bits.
enum TFindParameters {
  fnMatchCase,
  fnMatchFull,
  fnMatchRegular,
  fnDirectionLeftRight,
  fnMatchStart,
  fnFindInCurrentRow,
  fnFindInCurrentCol,
  fnIncludeFixed,
  fnAutoGoto,
  fnIgnoreHTMLTags,
  fnBackward,
  fnIncludeHiddenColumns,
  fnFindInPresetCol,
  fnFindInPresetRow,
  fnSelectedCells,
  fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters>;
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// What a cell-by-cell pass over the grid tells ExportNotification.
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
