#pragma once
// The masked edit.

#include "toolkit/forms/std/MaskEdit.h"
