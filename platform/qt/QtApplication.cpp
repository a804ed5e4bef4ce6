// The application on Qt: a QApplication with Qt's standard texts in Japanese.
#include <QApplication>

#include "platform/Application.h"
#include "platform/qt/QtTranslation.h"

struct ApplicationScope::State {
    State(int& argc, char** argv) : application(argc, argv) {}
    QApplication application;
};

ApplicationScope::ApplicationScope(int& argc, char** argv, const char* version)
    : m_state(std::make_unique<State>(argc, argv)) {
    // The application keeps the program file's name: it is the caption of
    // the framework's own messages.
    QApplication::setApplicationVersion(QString::fromUtf8(version));
    // Without the translation the program still works, with English buttons.
    InstallQtJapanese();
}

ApplicationScope::~ApplicationScope() = default;

std::string ApplicationName() {
    return QCoreApplication::applicationName().toStdString();
}
