#include "dialog/MinimizedIcon.h"

QPoint CentredIconOrigin(QSize client, QSize icon) {
    return QPoint((client.width() - icon.width() + 1) / 2,
                  (client.height() - icon.height() + 1) / 2);
}
