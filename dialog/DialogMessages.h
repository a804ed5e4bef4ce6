// DialogMessages: the message boxes of the main dialog, all under the
// caption "ファイルユーティリティ".
#pragma once

#include <QString>

#include "platform/Prompts.h"

// Shows a notice or refusal: information icon, OK button.
void Notify(QWidget* owner, const QString& text);

// Shows a notice that something went wrong: warning icon, OK button.
void Warn(QWidget* owner, const QString& text);

// Asks a question with Yes and No (Yes the default). Returns true only for Yes.
bool Confirm(QWidget* owner, const QString& text);
