// The system's prompts on Windows, run for real: each message box and folder
// browser that SystemPrompts opens is answered from a timer, as a user would
// answer it, and the answer must come back as the one given.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "SampleFolders.h"
#include "platform/Dialog.h"
#include "platform/Prompts.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32DialogWindow.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "widetext/WideText.h"
// (Win32Api.h comes before the other Windows headers)
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

namespace {

// The system's dialogs of this thread: dialog windows that are none of ours.
std::vector<HWND> SystemDialogsOfThisThread() {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && DialogOf(window) == nullptr &&
                ::IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// What the timer of WhileShown answers with, once the prompt is up.
const std::function<bool(HWND)>* g_answer = nullptr;

void CALLBACK AnswerPrompt(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    const std::vector<HWND> dialogs = SystemDialogsOfThisThread();
    if (!dialogs.empty() && (*g_answer)(dialogs.front())) {
        ::KillTimer(nullptr, timer);
    }
}

// Runs show, which opens a system prompt and returns when it is answered;
// answer is called with the prompt's window while it runs, from a timer of
// the prompt's own message loop, until it returns true: then it has
// answered the prompt.
void WhileShown(const std::function<void()>& show, const std::function<bool(HWND)>& answer) {
    g_answer = &answer;
    constexpr UINT kLookEveryMs = 20;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kLookEveryMs, AnswerPrompt);
    show();
    ::KillTimer(nullptr, timer);
    g_answer = nullptr;
}

std::wstring Text(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

// The texts of window's child windows.
std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<std::wstring>*>(found)->push_back(Text(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool HasChildText(HWND window, const std::string& text) {
    const std::vector<std::wstring> texts = ChildTexts(window);
    return std::find(texts.begin(), texts.end(), Widen(text)) != texts.end();
}

// Clicks button of box; true, as an answer that is given at once.
bool Click(HWND box, int button) {
    ::SendMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0);
    return true;
}

// A key pressed in box, posted to its focused control as the keyboard would;
// false, with nothing posted, while the focus has not reached the box yet
// (a slow start of the box under load).
bool PostKey(HWND box, WPARAM key) {
    HWND focus = ::GetFocus();
    if (focus == nullptr || !::IsChild(box, focus)) {
        return false;
    }
    ::PostMessageW(focus, WM_KEYDOWN, key, 0);
    ::PostMessageW(focus, WM_KEYUP, key, 0);
    return true;
}

// The text of the item selected in the folder browser's tree.
std::wstring SelectedName(HWND browser) {
    HWND tree = nullptr;
    ::EnumChildWindows(
        browser,
        [](HWND child, LPARAM found) {
            wchar_t name[32] = {};
            ::GetClassNameW(child, name, 32);
            if (std::wstring(name) != WC_TREEVIEWW) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    const auto item =
        reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) {
        return {};
    }
    wchar_t text[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

// The main dialog, open, as the owner of the prompts.
class Owner : public CDialog {
  public:
    Owner() : CDialog(*FindDialogTemplate(IDD_FILEUTILITY_DIALOG), nullptr, nullptr) { Create(); }
};

// はい is IDYES and いいえ IDNO: each answer comes back as given, Enter takes
// the default button はい, and an OK box answers OK.
TEST(Win32Prompts, MessageBoxAnswersComeBackAsGiven) {
    struct Case {
        const char* what;
        MessageIcon icon;
        MessageButtons buttons;
        bool (*answer)(HWND);  // false: not yet, try again
        MessageAnswer expected;
    };
    const Case cases[] = {
        {"click はい", MessageIcon::kQuestion, MessageButtons::kYesNo,
         [](HWND box) { return Click(box, IDYES); }, MessageAnswer::kYes},
        {"click いいえ", MessageIcon::kQuestion, MessageButtons::kYesNo,
         [](HWND box) { return Click(box, IDNO); }, MessageAnswer::kNo},
        {"Enter", MessageIcon::kQuestion, MessageButtons::kYesNo,
         [](HWND box) { return PostKey(box, VK_RETURN); }, MessageAnswer::kYes},
        {"click OK", MessageIcon::kInformation, MessageButtons::kOk,
         [](HWND box) { return Click(box, IDOK); }, MessageAnswer::kOk},
        {"Enter on a warning", MessageIcon::kWarning, MessageButtons::kOk,
         [](HWND box) { return PostKey(box, VK_RETURN); }, MessageAnswer::kOk},
    };
    Owner owner;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const std::string caption = "ファイルユーティリティ";
        const std::string text = "ファイルを作成してもよろしいですか。";
        MessageAnswer answer = MessageAnswer::kOk;
        bool shown = false;
        HWND boxOwner = nullptr;
        std::vector<int> buttons;
        WhileShown(
            [&] {
                answer =
                    SystemPrompts().ShowMessage(&owner, caption, text, test.icon, test.buttons);
            },
            [&](HWND box) {
                shown = true;
                EXPECT_EQ(Text(box), Widen(caption));
                EXPECT_TRUE(HasChildText(box, text));
                boxOwner = ::GetWindow(box, GW_OWNER);
                buttons.clear();
                for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                    if (::GetDlgItem(box, id) != nullptr) {
                        buttons.push_back(id);
                    }
                }
                return test.answer(box);
            });
        EXPECT_TRUE(shown);
        EXPECT_EQ(answer, test.expected);
        EXPECT_EQ(boxOwner, WindowOf(&owner));
        const std::vector<int> expectedButtons = test.buttons == MessageButtons::kYesNo
                                                     ? std::vector<int>{IDYES, IDNO}
                                                     : std::vector<int>{IDOK};
        EXPECT_EQ(buttons, expectedButtons);
    }
}

// The shell's browser shows the prompt; OK hands back the selected folder's
// path as UTF-8 (a Japanese name included), Cancel leaves the path alone.
TEST(Win32Prompts, FolderBrowserHandsBackTheChosenFolder) {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    ScratchFolder scratch;
    const std::string folder = scratch.Path() + "\\２０２０年度";
    MakeDir(folder);
    const std::wstring selection = std::filesystem::absolute(PathOf(folder)).wstring();
    const std::string prompt = "コピー元のディレクトリを選択して下さい。";
    Owner owner;
    struct Case {
        const char* what;
        int button;
        BrowseResult expected;
    };
    for (const Case& test : {Case{"OK", IDOK, BrowseResult::kChosen},
                             Case{"Cancel", IDCANCEL, BrowseResult::kCancelled}}) {
        SCOPED_TRACE(test.what);
        std::string path = "kept";
        BrowseResult result{};
        bool shown = false;
        HWND browserOwner = nullptr;
        int ticks = 0;
        WhileShown([&] { result = SystemPrompts().BrowseFolder(&owner, prompt, path); },
                   [&](HWND browser) {
                       if (!shown) {
                           shown = true;
                           EXPECT_TRUE(HasChildText(browser, prompt));
                           browserOwner = ::GetWindow(browser, GW_OWNER);
                       }
                       // Wine's browser may fill its tree again a moment
                       // after it shows, selecting the desktop: the folder
                       // is selected again until the selection holds.
                       constexpr int kMostTicks = 100;
                       if (SelectedName(browser) != L"２０２０年度" && ++ticks < kMostTicks) {
                           ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                                          reinterpret_cast<LPARAM>(selection.c_str()));
                           return false;
                       }
                       Click(browser, test.button);
                       return true;
                   });
        EXPECT_TRUE(shown);
        EXPECT_EQ(result, test.expected);
        EXPECT_EQ(browserOwner, WindowOf(&owner));
        if (test.expected == BrowseResult::kChosen) {
            EXPECT_TRUE(std::filesystem::equivalent(PathOf(path), PathOf(folder))) << path;
            EXPECT_EQ(PathOf(path).filename().wstring(), L"２０２０年度") << path;
        } else {
            EXPECT_EQ(path, "kept");
        }
    }
    ::OleUninitialize();
}

}  // namespace
