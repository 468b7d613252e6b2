#pragma once
// Popup menus and menu items.

#include "toolkit/forms/std/Menus.h"
