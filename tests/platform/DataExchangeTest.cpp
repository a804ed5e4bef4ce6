// Field exchange: limits counted in the bytes of each field's encoding,
// read-backs that stop at the first text too long, pushes that leave equal
// texts alone and notifications raised during an exchange.
#include <gtest/gtest.h>

#include <array>

#include "ScriptedPrompts.h"
#include "UserInput.h"
#include "dialog/DialogMessages.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/Application.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"

namespace {

constexpr int kEdits[] = {10, 11, 12};
constexpr int kRadios[] = {20, 21, 22};

// clang-format off
constexpr std::array kControls{
    ControlTemplate{10, ControlKind::kEdit, "", kStyleTabStop, 5, 5, 100, 12},
    ControlTemplate{11, ControlKind::kEdit, "", kStyleTabStop, 5, 20, 100, 12},
    ControlTemplate{12, ControlKind::kEdit, "", kStyleTabStop, 5, 35, 100, 12},
    ControlTemplate{20, ControlKind::kRadioButton, "a", kStyleGroup | kStyleTabStop, 5, 50, 30, 8},
    ControlTemplate{21, ControlKind::kRadioButton, "b", kStyleNone, 40, 50, 30, 8},
    ControlTemplate{22, ControlKind::kRadioButton, "c", kStyleNone, 75, 50, 30, 8},
    ControlTemplate{kOkId, ControlKind::kPushButton, "OK", kStyleTabStop | kStyleDefault | kStyleGroup, 5, 65, 50, 14},
};
// clang-format on
constexpr DialogTemplate kForm{999, "form", "ＭＳ Ｐゴシック", 9, 120, 85, kControls};

// A dialog with three edits limited to 4 Shift-JIS bytes, 4 bytes of the
// file system and nothing, and a group of three radio buttons; it records
// whether each change of the last edit came during an exchange.
class Form : public CDialog {
  public:
    Form() : CDialog(kForm, nullptr, nullptr), exchange(*this, &TooManyCharacters) {
        exchange.BindText(kEdits[0], &first, 4, TextEncoding::kShiftJis);
        exchange.BindText(kEdits[1], &second, 4, kFolderTextEncoding);
        exchange.BindText(kEdits[2], &third, 0, TextEncoding::kShiftJis);
        exchange.BindRadioGroup({kRadios[0], kRadios[1], kRadios[2]}, &kind);
        Create();
    }

    std::string first, second, third;
    int kind = -1;
    DataExchange exchange;
    std::vector<bool> changesInExchange;

  protected:
    void OnCommand(int id, Notification notification) override {
        if (id == kEdits[2] && notification == Notification::kChanged) {
            changesInExchange.push_back(exchange.InExchange());
        }
    }
};

TEST(DataExchange, TypingAndPastingStopAtTheLimitInBytesOfTheFieldsEncoding) {
    struct Row {
        int edit;
        std::string typed;
        std::string kept;
    };
    const Row rows[] = {
        {0, "abcde", "abcd"},
        {0, "あいう", "あい"},  // 2 bytes each in Shift-JIS
        {0, "aあbc", "aあb"},
        {0, "ｱｲｳｴｵ", "ｱｲｳｴ"},   // half-width kana: 1 byte each
        {0, "〜〜〜", "〜〜"},  // the input method's wave dash is 81 60
#ifdef _WIN32
        {1, "あいう", "あい"},  // the file system's bytes, as the family counts them: code page 932
        {1, "aあb", "aあb"},
#else
        {1, "あいう", "あ"},  // the file system's bytes: 3 each in UTF-8
        {1, "aあb", "aあ"},
#endif
        {2, "no limit at all", "no limit at all"},
    };
    for (const Row& row : rows) {
        Form form;
        form.exchange.PushAll();
        TypeText(form, kEdits[row.edit], row.typed);
        EXPECT_EQ(form.GetDlgItemText(kEdits[row.edit]), row.kept) << "typed " << row.typed;
        PasteText(form, kEdits[row.edit], row.typed);
        EXPECT_EQ(form.GetDlgItemText(kEdits[row.edit]),
                  row.typed == row.kept ? row.typed : row.kept)
            << "pasted " << row.typed;
    }
}

// A limited edit holds one line: a paste takes the clipboard's text up to
// its first line break, whichever it is, and that line must fit.
TEST(DataExchange, PasteTakesTheClipboardTextUpToItsFirstLineBreak) {
    struct Row {
        int edit;
        std::string clipboard;
        std::string kept;
    };
    const Row rows[] = {
        {0, "ab\r\ncdefgh", "ab"}, {0, "ab\ncdefgh", "ab"}, {0, "ab\rcdefgh", "ab"},
        {0, "a\rb", "a"},  // the whole text would fit: still its first line only
        {0, "あい\rう", "あい"},   {0, "\r\nab", ""},       {1, "あ\rいう", "あ"},
        {0, "abcde\rf", "old"},  // the first line does not fit: refused
    };
    for (const Row& row : rows) {
        Form form;
        form.first = "old";
        form.second = "old";
        form.exchange.PushAll();
        PasteText(form, kEdits[row.edit], row.clipboard);
        EXPECT_EQ(form.GetDlgItemText(kEdits[row.edit]), row.kept) << "pasted " << row.clipboard;
    }
}

TEST(DataExchange, TextPastTheLimitCanBeChangedUntilItFits) {
    Form form;
    form.first = "abcdef";
    form.exchange.PushAll();
    EXPECT_EQ(form.GetDlgItemText(kEdits[0]), "abcdef") << "a push is not cut";
    PasteText(form, kEdits[0], "abcde");
    EXPECT_EQ(form.GetDlgItemText(kEdits[0]), "abcde");
    PasteText(form, kEdits[0], "abc");
    PasteText(form, kEdits[0], "abcdefgh");
    EXPECT_EQ(form.GetDlgItemText(kEdits[0]), "abc") << "once it fits, the limit holds";
}

TEST(DataExchange, ReadBackStopsAtTheFirstTextTooLong) {
    ScriptedPrompts prompts;
    Form form;
    form.first = "old1";
    form.second = "old2";
    form.third = "old3";
    form.exchange.PushAll();
    form.SetDlgItemText(kEdits[0], "new1");
    form.SetDlgItemText(kEdits[1], "12345");
    form.SetDlgItemText(kEdits[2], "new3");

    EXPECT_FALSE(form.exchange.ReadBackAll());
    EXPECT_EQ(form.first, "new1");
    EXPECT_EQ(form.second, "old2");
    EXPECT_EQ(form.third, "old3");
    EXPECT_EQ(prompts.Messages(),
              (std::vector<RecordedMessage>{RecordedMessage{
                  true, ApplicationName(),
                  "入力できる文字数を超えています。\n4バイト（半角4文字）以内にしてください。",
                  MessageIcon::kWarning, MessageButtons::kOk}}));
    EXPECT_EQ(FocusedItem(form), kEdits[1]);
    EXPECT_EQ(SelectedText(form, kEdits[1]), "12345");

    form.SetDlgItemText(kEdits[1], "1234");
    EXPECT_TRUE(form.exchange.ReadBackAll());
    EXPECT_EQ(form.second, "1234");
    EXPECT_EQ(form.third, "new3");

    form.SetDlgItemText(kEdits[1], "12345");
    form.exchange.ReadBackAllUnchecked();
    EXPECT_EQ(form.second, "12345") << "an unchecked read-back takes every text quietly";
    EXPECT_EQ(prompts.Messages().size(), 1U);
}

TEST(DataExchange, OnlyChangedTextsArePushedAndTheirNotificationsAreMarked) {
    Form form;
    form.third = "pushed";
    form.exchange.PushAll();
    form.exchange.PushAll();  // the same text again: no change at all
    TypeText(form, kEdits[2], "x");
    form.third = "other";
    form.exchange.PushAll();
    EXPECT_EQ(form.GetDlgItemText(kEdits[2]), "other");
    EXPECT_EQ(form.changesInExchange, (std::vector<bool>{true, false, true}))
        << "push, keystroke, push";
    EXPECT_FALSE(form.exchange.InExchange());
}

TEST(DataExchange, RadioGroupIsTheIndexOfTheCheckedButton) {
    Form form;
    form.kind = 2;
    form.exchange.PushAll();
    EXPECT_TRUE(form.IsDlgButtonChecked(kRadios[2]));
    ClickItem(form, kRadios[0]);
    EXPECT_EQ(form.kind, 2) << "fields change only on a read-back";
    EXPECT_TRUE(form.exchange.ReadBackAll());
    EXPECT_EQ(form.kind, 0);
    form.kind = -1;
    form.exchange.PushAll();
    for (const int id : kRadios) {
        EXPECT_FALSE(form.IsDlgButtonChecked(id)) << id;
    }
}

}  // namespace
