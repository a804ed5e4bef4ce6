// The dialogs as built from their templates: a font with Japanese glyphs,
// every control inside the dialog, no two overlapping, every text fitting.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <memory>

#include "QtDialogs.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/qt/DialogFont.h"
#include "platform/qt/DialogUnits.h"
#include "res/Resource.h"
#include "res/StringTable.h"

namespace {

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().remove(QLatin1Char('&'));
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return box->title();
    }
    return QString();
}

TEST(DialogLayout, FontIsAJapaneseGothicWithGlyphsForEveryText) {
    for (const auto& built : EveryDialog()) {
        QtDialogWindow* dialog = &QtWindowOf(*built);
        const QString family = QFontInfo(dialog->font()).family();
        EXPECT_TRUE(family == QStringLiteral("ＭＳ Ｐゴシック") ||
                    family == QStringLiteral("IPAPGothic"))
            << family.toStdString();
        QStringList texts{dialog->windowTitle(),
                          QString::fromUtf8(LoadResourceString(IDS_ABOUTBOX))};
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            texts << TextOf(child);
        }
        for (const QString& text : texts) {
            EXPECT_TRUE(DialogFontHasGlyphs(dialog->font(), text)) << text.toStdString();
        }
    }
}

TEST(DialogLayout, ControlsLieInsideTheDialogWithoutOverlapping) {
    for (const auto& built : EveryDialog()) {
        QtDialogWindow* dialog = &QtWindowOf(*built);
        const QRect client(QPoint(0, 0), dialog->size());
        std::vector<QWidget*> controls;
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(client.contains(child->geometry()))
                << child->accessibleName().toStdString();
            if (qobject_cast<QGroupBox*>(child) == nullptr) {
                controls.push_back(child);
            }
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->accessibleName().toStdString() << " / "
                    << controls[j]->accessibleName().toStdString();
            }
        }
    }
}

// A text wider than its control is clipped; radio buttons need room for
// their indicator, push buttons for their frame.
TEST(DialogLayout, EveryTextFitsItsControl) {
    for (const auto& built : EveryDialog()) {
        QtDialogWindow* dialog = &QtWindowOf(*built);
        const QFontMetrics metrics(dialog->font());
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString text = TextOf(child);
            if (text.isEmpty() || qobject_cast<QGroupBox*>(child) != nullptr) {
                continue;
            }
            int room = child->width();
            if (qobject_cast<QRadioButton*>(child) != nullptr) {
                room -= child->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                        child->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            } else if (qobject_cast<QAbstractButton*>(child) != nullptr) {
                room -= 2 * child->style()->pixelMetric(QStyle::PM_ButtonMargin);
            }
            EXPECT_LE(metrics.horizontalAdvance(text), room) << text.toStdString();
            EXPECT_LE(metrics.height(), child->height()) << text.toStdString();
        }
    }
}

TEST(DialogLayout, DialogUnitsFollowTheFontsAverageLetterWidthAndHeight) {
    const QFont font = SelectDialogFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    const DialogBaseUnits units = MeasureDialogBaseUnits(font);
    const QFontMetrics metrics(font);
    const double average = metrics.horizontalAdvance(QStringLiteral(
                               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           52.0;
    EXPECT_LE(std::abs(units.x - average), 0.5);
    EXPECT_EQ(units.y, metrics.height());
    CFileUtilityDlg dialog;
    EXPECT_EQ(QtWindowOf(dialog).size(), QSize(299 * units.x / 4, 191 * units.y / 8));
}

}  // namespace
