// The dialog tests run the real widgets on Qt's offscreen platform (no
// display is needed), with Qt's own texts in Japanese as the program has them.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/QtTranslation.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallQtJapanese();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
