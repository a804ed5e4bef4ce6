#include "app/CliRequestRun.h"

#include <algorithm>
#include <vector>

#include "app/DatedName.h"
#include "config/EnvFile.h"
#include "dialog/FailureList.h"
#include "dialog/RequestChecks.h"
#include "engine/FileSystem.h"
#include "platform/TextEncoding.h"

namespace {

CliOutcome Refused(std::string message) {
    CliOutcome outcome;
    outcome.message = std::move(message);
    return outcome;
}

// The source folder text: --from, else the environment file's, as the
// dialog takes it.
std::optional<std::string> SourceFolder(const CliRequest& request) {
    if (!request.from && LoadEnvFile("zeldefs8.env") == 0) {
        return std::nullopt;
    }
    const std::string folder = request.from.value_or(g_szDataPath);
    return IsFolder(folder) == 1 ? WithTrailingSeparator(folder) : folder;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

// The title bytes, or the refusal in refusal.
std::string TitleBytes(const CliRequest& request, const std::string& source, std::string& refusal) {
    std::string bytes;
    if (!request.title) {
        ReadTitle(source, bytes);
        return bytes;
    }
    refusal = TitleRefusal(*request.title);
    if (refusal.empty()) {
        bytes = *EncodeTitle(*request.title);
        if (bytes.size() > kMaxTitleBytes) {
            refusal = "コピー先のタイトルは" + std::to_string(kMaxTitleBytes) + "バイトまでです。";
        }
    }
    return bytes;
}

int ExitStatusOf(const OperationReport& report) {
    const auto stopped = [](const FileResult& row) { return row.status == FileStatus::kStopped; };
    if (std::any_of(report.files.begin(), report.files.end(), stopped)) {
        return kExitStopped;
    }
    return report.HasFailures() ? kExitFailures : kExitCopied;
}

}  // namespace

CliOutcome RunCliRequest(const CliRequest& request, const std::tm& now,
                         OperationProgress& progress) {
    const std::optional<std::string> source = SourceFolder(request);
    if (!source) {
        return Refused("zeldefs8.envが見つかりません。");
    }
    if (source->empty()) {
        return Refused(std::string(kSourceMissing));
    }
    if (request.to->empty()) {
        return Refused(std::string(kDestinationMissing));
    }
    const std::string newDir = ExpandDate(request.newDir, now);
    std::string destination = WithTrailingSeparator(*request.to) + newDir;
    std::vector<std::string> refusals;
    if (std::string refusal = FolderRefusal(*source, destination); !refusal.empty()) {
        refusals.push_back(std::move(refusal));
    }
    for (std::string& refusal : NewDirNameRefusals(newDir)) {
        refusals.push_back(std::move(refusal));
    }
    if (!refusals.empty()) {
        return Refused(Joined(refusals));
    }
    std::string titleRefusal;
    const std::string title = TitleBytes(request, *source, titleRefusal);
    if (!titleRefusal.empty()) {
        return Refused(titleRefusal);
    }
    if (!newDir.empty()) {
        destination = WithTrailingSeparator(destination);
        if (int error = 0; CreateFolder(destination, &error) != 1) {
            return Refused(NewDirFailure(destination, error));
        }
    }
    CliOutcome outcome;
    outcome.source = *source;
    outcome.destination = destination;
    NoWaitIndicator wait;
    RunOperation(wait, progress, request.kind, *source, destination, title, &outcome.report);
    outcome.exitStatus = ExitStatusOf(outcome.report);
    const std::string failures = DescribeFailures(outcome.report, outcome.report.files.size());
    outcome.message = CompletionText(request.kind) + (failures.empty() ? "" : "\n\n" + failures);
    return outcome;
}
