#include "platform/win32/Win32DialogTemplate.h"

#include <string_view>

#include "widetext/WideText.h"

#include <commctrl.h>

namespace {

// The predefined window classes, named by their atoms as resource
// compilers write them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kAtomFollows = 0xFFFF;

// A control of the dialog manager: a predefined window class (by atom) or
// a common control's (by name), and the style of its kind.
struct ControlClass {
    WORD atom;
    const wchar_t* name;  // when atom is 0
    DWORD style;
};

// The one place that says what each kind of control is on Windows.
ControlClass ClassOf(const ControlTemplate& control) {
    const auto has = [&](unsigned style) { return (control.style & style) != 0; };
    switch (control.kind) {
        case ControlKind::kPushButton:
            return {kButtonClass, nullptr,
                    static_cast<DWORD>(has(kStyleDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
        case ControlKind::kGroupBox:
            return {kButtonClass, nullptr, BS_GROUPBOX};
        case ControlKind::kRadioButton:
            return {kButtonClass, nullptr, BS_AUTORADIOBUTTON};
        case ControlKind::kStatic:
            return {kStaticClass, nullptr,
                    static_cast<DWORD>(SS_LEFT | (has(kStyleNoPrefix) ? SS_NOPREFIX : 0))};
        case ControlKind::kEdit:
            return {kEditClass, nullptr,
                    static_cast<DWORD>(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER |
                                       (has(kStyleReadOnly) ? ES_READONLY : 0))};
        case ControlKind::kIcon:
            return {kStaticClass, nullptr, SS_ICON};
        case ControlKind::kProgressBar:
            return {0, PROGRESS_CLASSW, 0};
    }
    return {kStaticClass, nullptr, 0};
}

void AppendDword(std::vector<WORD>& data, DWORD value) {
    data.push_back(LOWORD(value));
    data.push_back(HIWORD(value));
}

void AppendShort(std::vector<WORD>& data, int value) {
    data.push_back(static_cast<WORD>(static_cast<short>(value)));
}

void AppendWide(std::vector<WORD>& data, std::wstring_view text) {
    for (const wchar_t unit : text) {
        data.push_back(static_cast<WORD>(unit));
    }
    data.push_back(0);
}

void AppendText(std::vector<WORD>& data, std::string_view utf8) {
    AppendWide(data, Widen(utf8));
}

void AppendClass(std::vector<WORD>& data, const ControlClass& windowClass) {
    if (windowClass.atom == 0) {
        AppendWide(data, windowClass.name);
        return;
    }
    data.push_back(kAtomFollows);
    data.push_back(windowClass.atom);
}

void AlignToDword(std::vector<WORD>& data) {
    if (data.size() % 2 != 0) {
        data.push_back(0);
    }
}

void AppendControl(std::vector<WORD>& data, const ControlTemplate& control) {
    AlignToDword(data);
    AppendDword(data, ControlWindowStyle(control));
    AppendDword(data, 0);  // extended style
    AppendShort(data, control.x);
    AppendShort(data, control.y);
    AppendShort(data, control.cx);
    AppendShort(data, control.cy);
    data.push_back(static_cast<WORD>(control.id));  // IDC_STATIC becomes 0xFFFF
    AppendClass(data, ClassOf(control));
    // An icon control gets the dialog's icon when the dialog opens.
    AppendText(data, control.kind == ControlKind::kIcon ? "" : control.text);
    data.push_back(0);  // no creation data
}

}  // namespace

DWORD ControlWindowStyle(const ControlTemplate& control) {
    DWORD style = WS_CHILD | WS_VISIBLE | ClassOf(control).style;
    if ((control.style & kStyleGroup) != 0) {
        style |= WS_GROUP;
    }
    if ((control.style & kStyleTabStop) != 0) {
        style |= WS_TABSTOP;
    }
    if ((control.style & kStyleDisabled) != 0) {
        style |= WS_DISABLED;
    }
    return style;
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& form) {
    std::vector<WORD> data;
    AppendDword(data, kDialogStyle);
    AppendDword(data, 0);  // extended style
    data.push_back(static_cast<WORD>(form.controls.size()));
    AppendShort(data, 0);
    AppendShort(data, 0);
    AppendShort(data, form.cx);
    AppendShort(data, form.cy);
    data.push_back(0);  // no menu
    data.push_back(0);  // the dialog class
    AppendText(data, form.caption);
    data.push_back(static_cast<WORD>(form.pointSize));
    AppendText(data, form.fontFace);
    for (const ControlTemplate& control : form.controls) {
        AppendControl(data, control);
    }
    return data;
}
