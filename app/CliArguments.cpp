#include "app/CliArguments.h"

#include <array>

#include "engine/DataFolder.h"

const std::string_view kCliUsage =
    "使い方:\n"
    "  fileutility-cli backup     [--from DIR] --to DIR [--new-dir NAME]\n"
    "  fileutility-cli carry-over [--from DIR] --to DIR [--new-dir NAME] [--title TEXT]\n"
    "  fileutility-cli new        [--from DIR] --to DIR [--new-dir NAME] --title TEXT\n"
    "  どの操作にも [--json] [--log FILE] を付けられます。\n"
    "  fileutility-cli --help | --version\n"
    "\n"
    "  --from DIR      コピー元（省略時は zeldefs8.env の [PATH]）\n"
    "  --to DIR        コピー先\n"
    "  --new-dir NAME  コピー先に作成するディレクトリ（%Y %m %d %H %M は日付と時刻）\n"
    "  --title TEXT    コピー先のタイトル（省略時はコピー元のタイトル）\n"
    "  --json          結果を JSON で標準出力へ\n"
    "  --log FILE      実行ごとに 1 行を FILE に追記\n"
    "\n"
    "終了ステータス: 0 すべて作成 / 1 作成できなかったファイルあり / 2 実行前に中止 /\n"
    "                3 Ctrl+C で中止 / 64 使い方の誤り\n";

namespace {

constexpr std::array<std::string_view, 3> kCommands = {"new", "carry-over", "backup"};

CliArguments Wrong(std::string error) {
    CliArguments result;
    result.error = std::move(error);
    return result;
}

// The option's value slot in request, or nullptr for an option without one.
std::optional<std::string>* ValueSlot(CliRequest& request, std::string_view option) {
    if (option == "--from") {
        return &request.from;
    }
    if (option == "--to") {
        return &request.to;
    }
    if (option == "--title") {
        return &request.title;
    }
    if (option == "--log") {
        return &request.log;
    }
    return nullptr;
}

// Reads the options after the command into result; false on a wrong one.
bool ReadOptions(const std::vector<std::string>& args, CliArguments& result) {
    CliRequest& request = result.request;
    std::optional<std::string> newDir;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--json") {
            request.json = true;
            continue;
        }
        std::optional<std::string>* slot =
            option == "--new-dir" ? &newDir : ValueSlot(request, option);
        if (slot == nullptr) {
            result.error = "不明な引数です: " + option;
            return false;
        }
        if (i + 1 == args.size()) {
            result.error = option + " には値が必要です。";
            return false;
        }
        if (*slot) {
            result.error = option + " が2回指定されています。";
            return false;
        }
        *slot = args[++i];
    }
    request.newDir = newDir.value_or("");
    return true;
}

}  // namespace

std::string_view CommandName(int kind) {
    return kCommands.at(static_cast<std::size_t>(kind));
}

CliArguments ParseCliArguments(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "--version") {
            CliArguments result;
            result.action = arg == "--help" ? CliAction::kHelp : CliAction::kVersion;
            return result;
        }
    }
    if (args.empty()) {
        return Wrong("操作を指定して下さい。");
    }
    CliArguments result;
    int kind = 0;
    while (kind < static_cast<int>(kCommands.size()) && kCommands[kind] != args[0]) {
        ++kind;
    }
    if (kind == static_cast<int>(kCommands.size())) {
        return Wrong("不明な操作です: " + args[0]);
    }
    result.request.kind = kind;
    if (!ReadOptions(args, result)) {
        return result;
    }
    if (!result.request.to) {
        return Wrong("--to を指定して下さい。");
    }
    if (kind == KIND_NEW && !result.request.title) {
        return Wrong("new には --title を指定して下さい。");
    }
    if (kind == KIND_BACKUP && result.request.title) {
        return Wrong("backup には --title を指定できません。");
    }
    result.action = CliAction::kRun;
    return result;
}
