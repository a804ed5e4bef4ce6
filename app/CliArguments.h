// CliArguments: the command line of fileutility-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern const std::string_view kCliUsage;

struct CliRequest {
    int kind = 0;  // OperationKind
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::string newDir;                // may hold %Y, %m, %d, %H, %M
    std::optional<std::string> title;  // UTF-8, as typed
    bool json = false;
    std::optional<std::string> log;
};

enum class CliAction { kRun, kHelp, kVersion, kWrongUsage };

struct CliArguments {
    CliAction action = CliAction::kWrongUsage;
    CliRequest request;
    std::string error;  // why the usage is wrong
};

// Parses the arguments after the program's name.
CliArguments ParseCliArguments(const std::vector<std::string>& args);

// The command's name of kind, as the command line spells it.
std::string_view CommandName(int kind);
