// Field exchange: limits counted in the bytes of each field's encoding,
// read-backs that stop at the first text too long, pushes that leave equal
// texts alone and notifications raised during an exchange.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "ScriptedPrompts.h"
#include "platform/DataExchange.h"

namespace {

void TypeInto(QLineEdit* edit, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
    }
}

struct Form {
    Form() : exchange(&window) {
        for (QLineEdit*& edit : edits) {
            edit = new QLineEdit(&window);
        }
        exchange.BindText(edits[0], &first, 4, TextEncoding::kShiftJis);
        exchange.BindText(edits[1], &second, 4, TextEncoding::kFileSystem);
        exchange.BindText(edits[2], &third, 0, TextEncoding::kShiftJis);
    }

    QWidget window;
    QLineEdit* edits[3] = {};
    QString first, second, third;
    DataExchange exchange;
};

TEST(DataExchange, TypingStopsAtTheLimitInBytesOfTheFieldsEncoding) {
    struct Row {
        int edit;
        QString typed;
        QString kept;
    };
    const Row rows[] = {
        {0, QStringLiteral("abcde"), QStringLiteral("abcd")},
        {0, QStringLiteral("あいう"), QStringLiteral("あい")},  // 2 bytes each in Shift-JIS
        {0, QStringLiteral("aあbc"), QStringLiteral("aあb")},
        {0, QStringLiteral("ｱｲｳｴｵ"), QStringLiteral("ｱｲｳｴ")},  // half-width kana: 1 byte each
        {1, QStringLiteral("あいう"), QStringLiteral("あ")},   // 3 bytes each in UTF-8
        {1, QStringLiteral("aあb"), QStringLiteral("aあ")},
        {2, QStringLiteral("no limit at all"), QStringLiteral("no limit at all")},
    };
    for (const Row& row : rows) {
        Form form;
        form.exchange.PushAll();
        TypeInto(form.edits[row.edit], row.typed);
        EXPECT_EQ(form.edits[row.edit]->text(), row.kept) << row.typed.toStdString();
    }
}

TEST(DataExchange, TextPastTheLimitCanStillBeShortened) {
    Form form;
    form.first = QStringLiteral("abcdef");
    form.exchange.PushAll();
    EXPECT_EQ(form.edits[0]->text(), QStringLiteral("abcdef")) << "a push is not cut";
    form.edits[0]->setFocus();
    form.edits[0]->end(false);
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(form.edits[0], &backspace);
    EXPECT_EQ(form.edits[0]->text(), QStringLiteral("abcde"));
}

TEST(DataExchange, ReadBackStopsAtTheFirstTextTooLong) {
    ScriptedPrompts prompts;
    Form form;
    form.first = QStringLiteral("old1");
    form.second = QStringLiteral("old2");
    form.third = QStringLiteral("old3");
    form.exchange.PushAll();
    form.edits[0]->setText(QStringLiteral("new1"));
    form.edits[1]->setText(QStringLiteral("12345"));
    form.edits[2]->setText(QStringLiteral("new3"));

    EXPECT_FALSE(form.exchange.ReadBackAll());
    EXPECT_EQ(form.first, QStringLiteral("new1"));
    EXPECT_EQ(form.second, QStringLiteral("old2"));
    EXPECT_EQ(form.third, QStringLiteral("old3"));
    ASSERT_EQ(prompts.Messages().size(), 1U);
    const RecordedMessage& message = prompts.Messages()[0];
    EXPECT_EQ(message.caption, QCoreApplication::applicationName());
    EXPECT_EQ(message.text,
              QStringLiteral(
                  "入力できる文字数を超えています。\n4バイト（半角4文字）以内にしてください。"));
    EXPECT_EQ(message.icon, MessageIcon::kWarning);
    EXPECT_EQ(message.buttons, MessageButtons::kOk);
    EXPECT_EQ(form.window.focusWidget(), form.edits[1]);
    EXPECT_EQ(form.edits[1]->selectedText(), QStringLiteral("12345"));

    form.edits[1]->setText(QStringLiteral("1234"));
    EXPECT_TRUE(form.exchange.ReadBackAll());
    EXPECT_EQ(form.second, QStringLiteral("1234"));
    EXPECT_EQ(form.third, QStringLiteral("new3"));
}

TEST(DataExchange, UncheckedReadBackTakesEveryTextQuietly) {
    ScriptedPrompts prompts;
    Form form;
    form.exchange.PushAll();
    form.edits[1]->setText(QStringLiteral("12345"));
    form.edits[2]->setText(QStringLiteral("new3"));
    form.exchange.ReadBackAllUnchecked();
    EXPECT_EQ(form.second, QStringLiteral("12345"));
    EXPECT_EQ(form.third, QStringLiteral("new3"));
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST(DataExchange, PushLeavesAControlShowingTheSameTextUntouched) {
    Form form;
    form.exchange.PushAll();
    form.edits[2]->setFocus();
    TypeInto(form.edits[2], QStringLiteral("typed"));
    form.edits[2]->setCursorPosition(2);
    form.third = QStringLiteral("typed");
    form.exchange.PushAll();
    EXPECT_EQ(form.edits[2]->cursorPosition(), 2);
    EXPECT_TRUE(form.edits[2]->isUndoAvailable()) << "setText would have cleared the undo history";

    form.third = QStringLiteral("other");
    form.exchange.PushAll();
    EXPECT_EQ(form.edits[2]->text(), QStringLiteral("other"));
}

TEST(DataExchange, NotificationsDuringAnExchangeAreMarked) {
    Form form;
    std::vector<bool> inExchange;
    QObject::connect(form.edits[2], &QLineEdit::textChanged,
                     [&] { inExchange.push_back(form.exchange.InExchange()); });
    form.third = QStringLiteral("pushed");
    form.exchange.PushAll();
    TypeInto(form.edits[2], QStringLiteral("x"));
    EXPECT_EQ(inExchange, (std::vector<bool>{true, false}));
    EXPECT_FALSE(form.exchange.InExchange());
}

TEST(DataExchange, RadioGroupIsTheIndexOfTheCheckedButton) {
    QWidget window;
    QButtonGroup group;
    std::vector<QAbstractButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(&window);
        group.addButton(button);
        buttons.push_back(button);
    }
    int kind = 2;
    DataExchange exchange(&window);
    exchange.BindRadioGroup(buttons, &kind);
    exchange.PushAll();
    EXPECT_TRUE(buttons[2]->isChecked());
    buttons[0]->setChecked(true);
    EXPECT_EQ(kind, 2) << "fields change only on a read-back";
    EXPECT_TRUE(exchange.ReadBackAll());
    EXPECT_EQ(kind, 0);
    kind = -1;
    exchange.PushAll();
    EXPECT_EQ(group.checkedButton(), nullptr);
}

}  // namespace
