#include "QtModal.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

bool WithModalWidget(const std::function<void()>& trigger,
                     const std::function<void(QWidget*)>& inspect) {
    bool opened = false;
    // A timer of this call only: it dies with the call when nothing opened.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        opened = true;
        inspect(modal);
        modal->close();
    });
    timer.start(0);
    trigger();
    return opened;
}
