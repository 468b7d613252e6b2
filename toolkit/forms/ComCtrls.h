#pragma once
// The common controls: page control, track bar, progress bar, up-down,
// date-time picker, month calendar, rich edit and scroll box.

#include "toolkit/forms/std/PageControl.h"
#include "toolkit/forms/std/RangeControls.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/forms/std/RichEdit.h"
