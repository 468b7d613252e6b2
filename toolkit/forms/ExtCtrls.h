#pragma once
// The extra controls: panel, bevel, shape, image, radio group and link label.

#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/forms/std/Label.h"
