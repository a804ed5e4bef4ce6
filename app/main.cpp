// fileutility: prepares the data folders of the Zelmora family.
#include <QApplication>

#include "app/FileUtility.h"
#include "platform/QtTranslation.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The application keeps the program file's name: it is the caption of
    // the framework's own messages.
    QApplication::setApplicationVersion(QStringLiteral(FILEUTILITY_VERSION));
    // Without the translation the program still works, with English buttons.
    InstallQtJapanese();
    CFileUtilityApp app;
    app.InitInstance();
    return 0;
}
