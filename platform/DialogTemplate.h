// DialogTemplate: a dialog described as data, the way resource templates
// describe one: caption, font, size and the controls in tab order, every
// position and size in dialog units (a quarter of the font's average
// character width across, an eighth of its height down).
//
// The templates themselves live in res/; each platform turns one into its
// controls (qt/DialogBuilder.cpp, win32/Win32DialogTemplate.cpp).
//
// A new kind of control (a check box, say) is:
//   1. its ControlKind below, and its entries in the templates of res/;
//   2. one case per platform: CreateControl in qt/DialogBuilder.cpp, ClassOf
//      in win32/Win32DialogTemplate.cpp;
//   3. its binding to a dialog's field in DataExchange.h, when it holds one.
// The windows need nothing more: a button that is no radio button notifies
// kClicked and is checked through IsDlgButtonChecked and CheckDlgButton, and
// GetDlgItemText and EnableDlgItem serve any control.
#pragma once

#include <span>

// The identifiers of the push buttons that end a dialog by default (Enter
// presses the one, Escape the other), and the results of a dialog they end.
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;

enum class ControlKind {
    kPushButton,
    kGroupBox,
    kRadioButton,
    kStatic,
    kEdit,
    kIcon,
    kProgressBar
};

// A progress bar's position runs from 0 (empty) to this (full).
inline constexpr int kProgressBarRange = 1000;

// Style flags of a control; combine with |.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleReadOnly = 1U << 0,  // an edit that shows but does not take typing
    kStyleDisabled = 1U << 1,  // starts disabled
    kStyleDefault = 1U << 2,   // the default push button (Enter presses it)
    kStyleGroup = 1U << 3,     // starts a group (radio buttons after it belong together)
    kStyleTabStop = 1U << 4,   // reached with the Tab key
    kStyleNoPrefix = 1U << 5,  // "&" is shown as it stands
};

struct ControlTemplate {
    int id;  // IDC_STATIC for controls nothing refers to
    ControlKind kind;
    const char* text;  // UTF-8; ignored for icons, which show the dialog's icon
    unsigned style;    // ControlStyle flags
    int x, y, cx, cy;  // dialog units
};

struct DialogTemplate {
    int id;
    const char* caption;   // UTF-8
    const char* fontFace;  // preferred face; a Japanese Gothic stands in when it is missing
    int pointSize;
    int cx, cy;                                 // client size in dialog units
    std::span<const ControlTemplate> controls;  // in tab order
};
