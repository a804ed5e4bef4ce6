// DialogTemplates: the templates of the main dialog (IDD_FILEUTILITY_DIALOG),
// of the About box (IDD_ABOUTBOX) and of the progress window (IDD_PROGRESS).
#pragma once

#include "platform/DialogTemplate.h"

// Returns the template with identifier id, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);
