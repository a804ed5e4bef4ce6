// RequestChecks: the refusals and notices of a request to prepare a data
// folder, as texts, shared by the dialog's 実行 and the command-line program
// (which shows them without a toolkit). An empty text means no refusal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kSourceMissing = "コピー元のディレクトリを正しく設定して下さい。";
inline constexpr std::string_view kDestinationMissing =
    "コピー先のディレクトリを正しく設定して下さい。";

// Refuses a destination that is the source folder in any written form: the
// same text (letters A-Z folded), the same text but for a trailing separator,
// a one-character destination, or the same existing directory reached
// another way (links, ".", ".."). Refuses as well a source without a base
// file.
std::string FolderRefusal(std::string_view source, std::string_view destination);

// One refusal per separator in the new directory name (only one level may
// be created).
std::vector<std::string> NewDirNameRefusals(std::string_view newDir);

// Refuses a title (UTF-8) that Shift-JIS cannot hold.
std::string TitleRefusal(std::string_view title);

// Why the new directory destination could not be created (errno error).
std::string NewDirFailure(std::string_view destination, int error);

// The name of kind as its radio button shows it (empty for no kind).
std::string OperationName(int kind);

// The completion message of kind.
std::string CompletionText(int kind);
