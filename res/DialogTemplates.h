// DialogTemplates: the templates of the main dialog (IDD_FILEUTILITY_DIALOG)
// and of the About box (IDD_ABOUTBOX).
#pragma once

#include "platform/DialogTemplate.h"

// Returns the template with identifier id, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);
