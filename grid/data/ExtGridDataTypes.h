#pragma once
// The vocabulary of the string grid's data operations (sorting, filtering,
// calculations), shared by the grid, its settings objects and the engines
// that do the work without a grid. Forms store these by value name: never
// reorder.

enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// fmContains: the condition occurs in the text as written (typed search text,
// where "*" or "<" are plain characters).
enum TFilterMethod { fmExpression, fmLiteral, fmContains };
