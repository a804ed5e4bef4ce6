// QtTranslation: Qt's own texts (the standard buttons of message boxes, the
// menus of edit fields) in Japanese.
//
// The program's whole interface is Japanese whatever the session's locale, so
// the Japanese translation that Qt ships is loaded at start-up rather than the
// one the locale would choose: a question answers はい/いいえ under an English
// or C locale too.
#pragma once

// Installs Qt's Japanese translation (qtbase_ja.qm from Qt's translations
// folder) into the running application for the rest of its life. Returns 1
// when it was installed, 0 when the file is missing or unreadable (Qt's own
// texts then stay English). Needs a QCoreApplication.
int InstallQtJapanese();
