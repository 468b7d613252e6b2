#pragma once
// The file dialogs and the visible message box and file chooser forms.

#include "toolkit/forms/dialogs/FileDialogs.h"
#include "toolkit/forms/dialogs/FileChooserForm.h"
#include "toolkit/forms/dialogs/MessageBoxForm.h"
