// fileutility: prepares the data folders of the Zelmora family.
#include <QApplication>

#include "app/FileUtility.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The application keeps the program file's name: it is the caption of
    // the framework's own messages.
    QApplication::setApplicationVersion(QStringLiteral(FILEUTILITY_VERSION));
    CFileUtilityApp app;
    app.InitInstance();
    return 0;
}
