// UserInput: what a user does to a running dialog, done through the
// toolkit's own events (a click, keystrokes, a paste), so that the dialog
// runs the same code as for a person. tests/support/qt and tests/support/win32
// each implement it for their platform.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

class CDialog;

// Clicks control id (a push or radio button) as the mouse would; a disabled
// control ignores it.
void ClickItem(CDialog& dialog, int id);

// Types text (UTF-8) at the end of edit id, one keystroke per character, as
// an input method delivers it; the edit's limit refuses what does not fit.
void TypeText(CDialog& dialog, int id, std::string_view text);

// Puts text on the clipboard and pastes it over a selection of edit id's
// whole text: the edit takes the text's first line, and its limit refuses a
// line that does not fit.
void PasteText(CDialog& dialog, int id, std::string_view text);

// Presses Enter with the focus on control id / Escape in the dialog.
void PressEnter(CDialog& dialog, int id);
void PressEscape(CDialog& dialog);

// The identifier of the control that has the keyboard focus, or 0 when none
// of dialog's has it.
int FocusedItem(const CDialog& dialog);

// The selected part of edit id's text.
std::string SelectedText(const CDialog& dialog, int id);

// True while the wait cursor is shown.
bool WaitCursorShown();

// Lets the toolkit deliver the events due for about duration (timers,
// paints), as a running window gets them.
void LetEventsRun(std::chrono::milliseconds duration);

// Runs trigger, which is expected to open a modal dialog of ours; inspect is
// called with that dialog while it runs, and the dialog is then closed as
// with Escape. Returns false when no modal dialog opened.
bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(CDialog&)>& inspect);
