#pragma once
// The speed button.

#include "toolkit/forms/std/GraphicControls.h"
