// The Win32 side of the dialog framework: what Windows' dialog manager makes
// of the built templates, how its messages reach a dialog's handlers, the
// byte limits of edits and the message box types.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DialogDriver.h"
#include "dialog/AboutDlg.h"
#include "platform/Dialog.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32DialogWindow.h"
#include "platform/win32/Win32Prompts.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "tests/support/UserInput.h"
#include "widetext/WideText.h"

namespace {

// A dialog that records what reaches its handlers and otherwise behaves as
// the base does.
class RecordingDialog final : public CDialog {
  public:
    explicit RecordingDialog(int templateId, CDialog* parent = nullptr)
        : CDialog(*FindDialogTemplate(templateId), parent, nullptr) {}

    std::vector<std::pair<int, Notification>> commands;

  protected:
    void OnCommand(int id, Notification notification) override {
        commands.emplace_back(id, notification);
        CDialog::OnCommand(id, notification);
    }
};

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Windows maps a position and a size each on its own (as a template's
// x, y, cx, cy), not the far corner.
RECT DialogUnitsToPixels(HWND dialog, int x, int y, int cx, int cy) {
    RECT rect{x, y, cx, cy};
    ::MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool HasStyle(HWND window, DWORD style) {
    return (static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)) & style) == style;
}

// The class and the type bits each kind of control must get.
struct KindExpectation {
    const wchar_t* className;
    DWORD typeMask;
    DWORD type;
};

KindExpectation Expected(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::kPushButton:
            return {L"Button", BS_TYPEMASK,
                    (control.style & kStyleDefault) != 0 ? DWORD{BS_DEFPUSHBUTTON}
                                                         : DWORD{BS_PUSHBUTTON}};
        case ControlKind::kGroupBox:
            return {L"Button", BS_TYPEMASK, BS_GROUPBOX};
        case ControlKind::kRadioButton:
            return {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
        case ControlKind::kStatic:
            return {L"Static", SS_TYPEMASK, SS_LEFT};
        case ControlKind::kEdit:
            return {L"Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL};
        case ControlKind::kIcon:
            return {L"Static", SS_TYPEMASK, SS_ICON};
        case ControlKind::kProgressBar:
            return {L"msctls_progress32", 0, 0};
    }
    return {};
}

TEST(Win32DialogTemplate, WindowsMakesEachTemplateAsWritten) {
    for (const int templateId : {IDD_FILEUTILITY_DIALOG, IDD_ABOUTBOX, IDD_PROGRESS}) {
        SCOPED_TRACE(templateId);
        const DialogTemplate& form = *FindDialogTemplate(templateId);
        RecordingDialog dialog(templateId);
        dialog.Create();
        HWND window = WindowOf(&dialog);
        ASSERT_NE(window, nullptr);

        EXPECT_EQ(Text(window), Widen(form.caption));
        EXPECT_TRUE(HasStyle(window, DS_MODALFRAME | WS_CAPTION | WS_SYSMENU));
        EXPECT_FALSE(HasStyle(window, WS_MINIMIZEBOX));
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
                     &font);
        EXPECT_EQ(std::wstring(font.lfFaceName), Widen(form.fontFace));
        HDC screen = ::GetDC(nullptr);
        EXPECT_EQ(font.lfHeight,
                  -::MulDiv(form.pointSize, ::GetDeviceCaps(screen, LOGPIXELSY), 72));
        ::ReleaseDC(nullptr, screen);
        RECT client{};
        ::GetClientRect(window, &client);
        const RECT size = DialogUnitsToPixels(window, 0, 0, form.cx, form.cy);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        HWND child = ::GetWindow(window, GW_CHILD);
        for (const ControlTemplate& control : form.controls) {
            SCOPED_TRACE(control.text);
            ASSERT_NE(child, nullptr);
            const KindExpectation kind = Expected(control);
            EXPECT_EQ(ClassName(child), kind.className);
            EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE)) & kind.typeMask,
                      kind.type);
            EXPECT_EQ(::GetDlgCtrlID(child), static_cast<WORD>(control.id));
            if (control.kind != ControlKind::kIcon) {
                EXPECT_EQ(Text(child), Widen(control.text));
            }
            EXPECT_EQ(HasStyle(child, WS_TABSTOP), (control.style & kStyleTabStop) != 0);
            EXPECT_EQ(HasStyle(child, WS_GROUP), (control.style & kStyleGroup) != 0);
            EXPECT_EQ(::IsWindowEnabled(child) == FALSE, (control.style & kStyleDisabled) != 0);
            if (control.kind == ControlKind::kEdit) {
                EXPECT_EQ(HasStyle(child, ES_READONLY), (control.style & kStyleReadOnly) != 0);
            }
            if (control.kind == ControlKind::kStatic) {
                EXPECT_EQ(HasStyle(child, SS_NOPREFIX), (control.style & kStyleNoPrefix) != 0);
            }
            if (control.kind != ControlKind::kIcon) {  // an icon control takes its image's size
                const RECT expected =
                    DialogUnitsToPixels(window, control.x, control.y, control.cx, control.cy);
                const RECT actual = ChildRect(window, child);
                EXPECT_EQ(actual.left, expected.left);
                EXPECT_EQ(actual.top, expected.top);
                EXPECT_EQ(actual.right, expected.right);
                EXPECT_EQ(actual.bottom, expected.bottom);
            }
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << "a control the template does not have";
    }
}

// What each user action sends the dialog's handlers.
TEST(Win32DialogWindow, UserActionsReachTheHandlers) {
    using Commands = std::vector<std::pair<int, Notification>>;
    struct Case {
        const char* action;
        void (*act)(CDialog&);
        Commands expected;
        bool staysOpen;
    };
    const Case cases[] = {
        {"click 参照",
         [](CDialog& d) { ClickItem(d, IDC_BUTTON_SRC_BROWSE); },
         {{IDC_BUTTON_SRC_BROWSE, Notification::kClicked}},
         true},
        {"click バックアップ",
         [](CDialog& d) { ClickItem(d, IDC_RADIO_BACKUP); },
         {{IDC_RADIO_BACKUP, Notification::kChecked}},
         true},
        {"a disabled button ignores a click",
         [](CDialog& d) {
             d.EnableDlgItem(IDC_BUTTON_VERSION, false);
             ClickItem(d, IDC_BUTTON_VERSION);
         },
         {},
         true},
        {"type into the title",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "年度"); },
         {{IDC_EDIT_DST_TITLE, Notification::kChanged},
          {IDC_EDIT_DST_TITLE, Notification::kChanged}},
         true},
        {"Enter in the title presses 実行",
         [](CDialog& d) { PressEnter(d, IDC_EDIT_DST_TITLE); },
         {{IDOK, Notification::kClicked}},
         false},
        {"Enter on 参照 presses 参照",
         [](CDialog& d) { PressEnter(d, IDC_BUTTON_DST_BROWSE); },
         {{IDC_BUTTON_DST_BROWSE, Notification::kClicked}},
         true},
        {"Escape", [](CDialog& d) { PressEscape(d); }, {{IDCANCEL, Notification::kClicked}}, false},
        {"program checks 次年度繰り越し",
         [](CDialog& d) { d.CheckDlgButton(IDC_RADIO_CARRYOVER, true); },
         {{IDC_RADIO_CARRYOVER, Notification::kChecked}},
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.action);
        RecordingDialog dialog(IDD_FILEUTILITY_DIALOG);
        dialog.Create();
        test.act(dialog);
        EXPECT_EQ(dialog.commands, test.expected);
        EXPECT_EQ(dialog.IsOpen(), test.staysOpen);
    }
}

TEST(Win32DialogWindow, CheckingARadioButtonUnchecksTheOthersOfItsGroupOnly) {
    RecordingDialog dialog(IDD_FILEUTILITY_DIALOG);
    dialog.Create();
    dialog.CheckDlgButton(IDC_RADIO_NEW, true);
    ClickItem(dialog, IDC_RADIO_CARRYOVER);
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_RADIO_NEW));
    dialog.CheckDlgButton(IDC_RADIO_BACKUP, true);
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_RADIO_CARRYOVER));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_RADIO_BACKUP));
    dialog.CheckDlgButton(IDC_RADIO_BACKUP, false);
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_RADIO_BACKUP));
}

// The main dialog's system menu, as Windows holds it: its item after a
// separator opens the About box over the main dialog; close ends it.
TEST(Win32DialogWindow, SystemMenuItemOpensTheAboutBoxAndCloseEndsTheDialog) {
    DialogDriver driver("");
    HWND window = WindowOf(&driver.Dialog());
    HMENU menu = ::GetSystemMenu(window, FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
              UINT{MF_SEPARATOR});
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), IDM_ABOUTBOX);
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, IDM_ABOUTBOX, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"ﾊﾞｰｼﾞｮﾝ情報(&A)...");

    bool isAbout = false;
    HWND owner = nullptr;
    EXPECT_TRUE(WithModalDialog([&] { ::SendMessageW(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
                                [&](CDialog& modal) {
                                    isAbout = dynamic_cast<CAboutDlg*>(&modal) != nullptr;
                                    owner = ::GetWindow(WindowOf(&modal), GW_OWNER);
                                }));
    EXPECT_TRUE(isAbout);
    EXPECT_EQ(owner, window);
    EXPECT_TRUE(driver.Dialog().IsOpen());

    ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(driver.Dialog().IsOpen());
    EXPECT_EQ(driver.Dialog().Result(), IDCANCEL);
}

TEST(Win32DialogWindow, ModalDialogIsOwnedByItsParentAndEndsWithEscape) {
    RecordingDialog main(IDD_FILEUTILITY_DIALOG);
    main.Create();
    RecordingDialog about(IDD_ABOUTBOX, &main);
    int result = 0;
    const bool opened =
        WithModalDialog([&] { result = about.DoModal(); },
                        [&](CDialog& shown) {
                            EXPECT_EQ(&shown, &about);
                            EXPECT_EQ(::GetWindow(WindowOf(&shown), GW_OWNER), WindowOf(&main));
                            EXPECT_FALSE(::IsWindowEnabled(WindowOf(&main)));
                        });
    EXPECT_TRUE(opened);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(::IsWindowEnabled(WindowOf(&main)));
}

std::string Repeat(const char* character, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += character;
    }
    return text;
}

// Limits count bytes of the text's encoding: あ is 2 bytes of Shift-JIS and
// 3 of UTF-8, ｱ 1 of Shift-JIS.
TEST(Win32ByteLimit, RefusesWhatWouldNotFitUnlessTheProgramSetMore) {
    struct Case {
        const char* what;
        int maxBytes;
        TextEncoding encoding;
        std::string programText;
        void (*act)(CDialog&);
        std::string expected;
    };
    const Case cases[] = {
        {"26th あ typed into 50 bytes", 50, TextEncoding::kShiftJis, Repeat("あ", 25),
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "あ"); }, Repeat("あ", 25)},
        {"ｱ fills the 50th byte", 50, TextEncoding::kShiftJis, Repeat("あ", 24) + "ｱ",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "ｱｱ"); }, Repeat("あ", 24) + "ｱｱ"},
        {"〜 counts as its code page 932 form", 4, TextEncoding::kShiftJis, "あ",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "〜〜"); }, "あ〜"},
        {"paste of 26 あ over everything", 50, TextEncoding::kShiftJis, "年度",
         [](CDialog& d) { PasteText(d, IDC_EDIT_DST_TITLE, Repeat("あ", 26)); }, "年度"},
        {"paste that fits", 50, TextEncoding::kShiftJis, "年度",
         [](CDialog& d) { PasteText(d, IDC_EDIT_DST_TITLE, "２０２０年度"); }, "２０２０年度"},
        {"program text past the limit may change freely", 50, TextEncoding::kShiftJis,
         Repeat("あ", 30), [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "ｱ"); },
         Repeat("あ", 30) + "ｱ"},
        {"once it fits the limit holds again", 50, TextEncoding::kShiftJis, Repeat("あ", 30),
         [](CDialog& d) {
             PasteText(d, IDC_EDIT_DST_TITLE, Repeat("あ", 25));
             TypeText(d, IDC_EDIT_DST_TITLE, "ｱ");
         },
         Repeat("あ", 25)},
        {"a character beyond the BMP is typed whole", 4, TextEncoding::kShiftJis, "あ",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "𠮷"); }, "あ𠮷"},
        {"folder bytes count in code page 932", 6, kFolderTextEncoding, "あ",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "ああ"); }, "あああ"},
        {"folder bytes count in code page 932, one too many", 5, kFolderTextEncoding, "あ",
         [](CDialog& d) { TypeText(d, IDC_EDIT_DST_TITLE, "ああ"); }, "ああ"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        RecordingDialog dialog(IDD_FILEUTILITY_DIALOG);
        dialog.Create();
        dialog.LimitText(IDC_EDIT_DST_TITLE, test.maxBytes, test.encoding);
        dialog.SetDlgItemText(IDC_EDIT_DST_TITLE, test.programText);
        test.act(dialog);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_EDIT_DST_TITLE), test.expected);
    }
}

TEST(Win32Prompts, MessageBoxTypeGivesTheIconAndTheButtons) {
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        UINT expected;
    };
    const Case cases[] = {
        {MessageIcon::kInformation, MessageButtons::kOk, MB_ICONINFORMATION | MB_OK},
        {MessageIcon::kQuestion, MessageButtons::kYesNo,
         MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON1},
        {MessageIcon::kWarning, MessageButtons::kOk, MB_ICONWARNING | MB_OK},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(MessageBoxType(test.icon, test.buttons), test.expected);
    }
}

}  // namespace
