#include "res/DialogTemplates.h"

#include <array>

#include "res/Resource.h"

namespace {

constexpr unsigned kButton = kStyleTabStop;
constexpr unsigned kLabel = kStyleGroup;  // every label starts a group

// One control a line, as a template reads.
// clang-format off
constexpr std::array kMainControls{
    ControlTemplate{IDOK, ControlKind::kPushButton, "実行", kButton | kStyleDefault, 179, 170, 50, 14},
    ControlTemplate{IDCANCEL, ControlKind::kPushButton, "終了", kButton, 242, 170, 50, 14},
    ControlTemplate{IDC_STATIC, ControlKind::kGroupBox, "種別", kStyleNone, 7, 0, 285, 26},
    ControlTemplate{IDC_RADIO_NEW, ControlKind::kRadioButton, "新規作成", kStyleGroup, 24, 12, 42, 8},
    ControlTemplate{IDC_RADIO_CARRYOVER, ControlKind::kRadioButton, "次年度繰り越し", kStyleNone, 113, 12, 58, 8},
    ControlTemplate{IDC_RADIO_BACKUP, ControlKind::kRadioButton, "バックアップ", kStyleNone, 215, 12, 51, 8},
    ControlTemplate{IDC_STATIC, ControlKind::kGroupBox, "コピー元", kStyleNone, 7, 32, 285, 44},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "タイトル", kLabel, 12, 44, 27, 8},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "ﾃﾞｨﾚｸﾄﾘ", kLabel, 11, 60, 25, 8},
    ControlTemplate{IDC_EDIT_SRC_TITLE, ControlKind::kEdit, "", kStyleReadOnly | kStyleTabStop, 56, 43, 174, 12},
    ControlTemplate{IDC_EDIT_SRC_DIR, ControlKind::kEdit, "", kStyleReadOnly | kStyleTabStop, 38, 59, 192, 12},
    ControlTemplate{IDC_BUTTON_SRC_BROWSE, ControlKind::kPushButton, "ﾃﾞｨﾚｸﾄﾘ参照", kButton, 236, 58, 49, 14},
    ControlTemplate{IDC_STATIC, ControlKind::kGroupBox, "コピー先", kStyleNone, 7, 93, 285, 71},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "タイトル", kLabel, 12, 105, 27, 8},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "ﾃﾞｨﾚｸﾄﾘ", kLabel, 11, 147, 25, 8},
    ControlTemplate{IDC_EDIT_DST_TITLE, ControlKind::kEdit, "", kStyleTabStop, 56, 103, 174, 12},
    ControlTemplate{IDC_EDIT_DST_DIR, ControlKind::kEdit, "", kStyleReadOnly | kStyleTabStop, 38, 145, 192, 12},
    ControlTemplate{IDC_BUTTON_DST_BROWSE, ControlKind::kPushButton, "ﾃﾞｨﾚｸﾄﾘ参照", kButton, 236, 145, 49, 14},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "▼", kLabel, 129, 82, 8, 8},
    ControlTemplate{IDC_EDIT_NEWDIR, ControlKind::kEdit, "", kStyleDisabled | kStyleTabStop, 56, 124, 174, 12},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "新規ﾃﾞｨﾚｸﾄﾘ", kLabel, 12, 126, 39, 8},
    ControlTemplate{IDC_BUTTON_VERSION, ControlKind::kPushButton, "ﾊﾞｰｼﾞｮﾝ情報", kButton, 7, 170, 50, 14},
};

constexpr std::array kAboutControls{
    ControlTemplate{IDC_STATIC, ControlKind::kIcon, "", kStyleNone, 7, 7, 20, 20},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "ファイルユーティリティ Ver.2019", kStyleNoPrefix | kLabel, 37, 7, 101, 8},
    ControlTemplate{IDC_STATIC, ControlKind::kStatic, "Copyright (C) 2026 ファイルユーティリティ開発チーム", kLabel, 7, 40, 202, 8},
    ControlTemplate{IDOK, ControlKind::kPushButton, "OK", kButton | kStyleDefault | kStyleGroup, 159, 7, 50, 14},
};

constexpr std::array kProgressControls{
    ControlTemplate{IDC_PROGRESS_OPERATION, ControlKind::kStatic, "", kLabel, 7, 7, 186, 8},
    ControlTemplate{IDC_PROGRESS_FILE, ControlKind::kStatic, "", kStyleNoPrefix | kLabel, 7, 19, 186, 8},
    ControlTemplate{IDC_PROGRESS_BAR, ControlKind::kProgressBar, "", kStyleNone, 7, 31, 186, 10},
    ControlTemplate{IDC_PROGRESS_COUNT, ControlKind::kStatic, "", kLabel, 7, 49, 120, 8},
    ControlTemplate{IDCANCEL, ControlKind::kPushButton, "キャンセル", kButton | kStyleDefault, 143, 46, 50, 14},
};

constexpr std::array kTemplates{
    DialogTemplate{IDD_FILEUTILITY_DIALOG, "ファイルユーティリティ", "ＭＳ Ｐゴシック", 9, 299, 191, kMainControls},
    DialogTemplate{IDD_ABOUTBOX, "ファイルユーティリティのバージョン情報", "ＭＳ Ｐゴシック", 9, 215, 55, kAboutControls},
    DialogTemplate{IDD_PROGRESS, "ファイルユーティリティ", "ＭＳ Ｐゴシック", 9, 200, 67, kProgressControls},
};

// clang-format on

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& form : kTemplates) {
        if (form.id == id) {
            return &form;
        }
    }
    return nullptr;
}
