// QtModal: inspecting a modal window of Qt's own (a message box, the folder
// browser) while it runs.
#pragma once

#include <functional>

class QWidget;

// Runs trigger, which is expected to open a modal window; inspect is called
// with that window while it runs, and the window is then closed. Returns
// false when no modal window opened.
bool WithModalWidget(const std::function<void()>& trigger,
                     const std::function<void(QWidget*)>& inspect);
