// bare-win32-dialog: the least a Win32 program does to show a dialog (a
// template in memory with the Japanese dialog font, a label and an OK
// button, no manifest), the yardstick for the start-up time and memory of
// fileutility.exe (scripts/startup-bench.sh).
#include <windows.h>

#include <vector>

namespace {

// A DLGTEMPLATE and its items, as the words DialogBoxIndirect reads.
class TemplateWords {
  public:
    void Long(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void Word(WORD value) { words_.push_back(value); }
    void Text(const wchar_t* text) {
        for (; *text != L'\0'; ++text) {
            words_.push_back(static_cast<WORD>(*text));
        }
        words_.push_back(0);
    }
    // Items start on a 32-bit boundary.
    void AlignItem() {
        if (words_.size() % 2 != 0) {
            words_.push_back(0);
        }
    }
    // Position and size in dialog units.
    void Box(WORD x, WORD y, WORD cx, WORD cy) { words_.insert(words_.end(), {x, y, cx, cy}); }
    // Style, extended style, position, size and identifier of one item.
    void Item(DWORD style, WORD x, WORD y, WORD cx, WORD cy, WORD id) {
        AlignItem();
        Long(style);
        Long(0);
        Box(x, y, cx, cy);
        Word(id);
    }
    const DLGTEMPLATE* Template() const {
        return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
    }

  private:
    std::vector<WORD> words_;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int main() {
    TemplateWords words;
    words.Long(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    words.Long(0);
    words.Word(2);  // items
    words.Box(0, 0, 160, 60);
    words.Word(0);  // no menu
    words.Word(0);  // the standard dialog class
    words.Text(L"ファイルユーティリティ");
    words.Word(9);  // points
    words.Text(L"ＭＳ Ｐゴシック");

    words.Item(WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 140, 10, 0xFFFF);
    words.Word(0xFFFF);
    words.Word(kStaticClass);
    words.Text(L"データフォルダー");
    words.Word(0);  // no creation data

    words.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 55, 35, 50, 14, IDOK);
    words.Word(0xFFFF);
    words.Word(kButtonClass);
    words.Text(L"OK");
    words.Word(0);

    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), words.Template(), nullptr, DialogProc, 0);
    return 0;
}
