// DialogMessages: the message boxes of the main dialog, all under the
// caption "ファイルユーティリティ".
#pragma once

#include <string>

class CDialog;

// Shows a notice or refusal: information icon, OK button.
void Notify(const CDialog* owner, const std::string& text);

// Shows a notice that something went wrong: warning icon, OK button.
void Warn(const CDialog* owner, const std::string& text);

// Asks a question with Yes and No (Yes the default). Returns true only for Yes.
bool Confirm(const CDialog* owner, const std::string& text);
