#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>

void WaitCursor::BeginWaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursor::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}
