#include "platform/win32/Win32DialogTemplate.h"

#include <string_view>

#include "engine/WideText.h"

#include <commctrl.h>

namespace {

// The predefined window classes, named by their atoms as resource
// compilers write them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kAtomFollows = 0xFFFF;

DWORD KindStyle(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::kPushButton:
            return (control.style & kStyleDefault) != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        case ControlKind::kGroupBox:
            return BS_GROUPBOX;
        case ControlKind::kRadioButton:
            return BS_AUTORADIOBUTTON;
        case ControlKind::kStatic:
            return SS_LEFT | ((control.style & kStyleNoPrefix) != 0 ? SS_NOPREFIX : 0);
        case ControlKind::kEdit:
            return ES_LEFT | ES_AUTOHSCROLL | WS_BORDER |
                   ((control.style & kStyleReadOnly) != 0 ? ES_READONLY : 0);
        case ControlKind::kIcon:
            return SS_ICON;
        case ControlKind::kProgressBar:
            return 0;
    }
    return 0;
}

WORD ClassAtom(ControlKind kind) {
    switch (kind) {
        case ControlKind::kPushButton:
        case ControlKind::kGroupBox:
        case ControlKind::kRadioButton:
            return kButtonClass;
        case ControlKind::kEdit:
            return kEditClass;
        case ControlKind::kStatic:
        case ControlKind::kIcon:
        case ControlKind::kProgressBar:  // named, not an atom (AppendClass)
            return kStaticClass;
    }
    return kStaticClass;
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

// The predefined classes go by atom; the common controls' by name.
void AppendClass(std::vector<WORD>& data, ControlKind kind) {
    if (kind == ControlKind::kProgressBar) {
        AppendWide(data, PROGRESS_CLASSW);
        return;
    }
    data.push_back(kAtomFollows);
    data.push_back(ClassAtom(kind));
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
    AppendClass(data, control.kind);
    // An icon control gets the dialog's icon when the dialog opens.
    AppendText(data, control.kind == ControlKind::kIcon ? "" : control.text);
    data.push_back(0);  // no creation data
}

}  // namespace

DWORD ControlWindowStyle(const ControlTemplate& control) {
    DWORD style = WS_CHILD | WS_VISIBLE | KindStyle(control);
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
