// QtDialogs: the program's dialogs as their templates build them on Qt, for
// checks that hold for every dialog.
#pragma once

#include <memory>
#include <vector>

#include "platform/Dialog.h"
#include "platform/qt/QtDialogWindow.h"

// A new main dialog, About box and progress window (not shown).
std::vector<std::unique_ptr<CDialog>> EveryDialog();
