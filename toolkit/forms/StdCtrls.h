#pragma once
// The standard controls: label, edit, memo, buttons, check boxes, radio buttons,
// group box, combo box, list box and scroll bar.

#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Memo.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/forms/std/RangeControls.h"
