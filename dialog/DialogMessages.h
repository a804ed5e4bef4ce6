// DialogMessages: the message boxes of the main dialog, all under the
// caption "ファイルユーティリティ".
#pragma once

#include <string>

class CDialog;

// Shows a notice or refusal: information icon, OK button.
void Notify(const CDialog* owner, const std::string& text);

// Shows a notice that something went wrong: warning icon, OK button.
void Warn(const CDialog* owner, const std::string& text);

// The refusal of a text longer than its field's limit of maxBytes bytes.
std::string TooManyCharacters(int maxBytes);

// Asks a question with Yes and No (Yes the default). Returns true only for Yes.
bool Confirm(const CDialog* owner, const std::string& text);
