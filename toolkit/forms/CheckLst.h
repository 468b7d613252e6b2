#pragma once
// The check-list box.

#include "toolkit/forms/std/CheckListBox.h"
