#include "Driver.h"

#include <sstream>

std::string DriverRun::Describe() const {
    std::ostringstream text;
    text << "driver exit " << command.exitCode << ", signal " << command.signal
         << (command.timedOut ? ", timed out" : "") << ", result " << result << "\n";
    text << ::Describe(rows) << command.err.substr(0, 2000);
    return text.str();
}

std::vector<std::string> RunArgs(int kind, const std::string& src, const std::string& dst,
                                 const std::string& title) {
    return {"run", std::to_string(kind), src, dst, title};
}

std::vector<std::string> CopyArgs(const std::string& name, const std::string& src,
                                  const std::string& dst) {
    return {"copy", name, src, dst};
}

std::vector<std::string> CopyAllArgs(const std::string& pattern, const std::string& src,
                                     const std::string& dst) {
    return {"copyall", pattern, src, dst};
}

namespace {

void ParseOutput(DriverRun& run) {
    std::istringstream lines(run.command.out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("result ", 0) == 0) {
            run.finished = true;
            run.result = std::stoi(line.substr(7));
            continue;
        }
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) {
            continue;
        }
        run.rows.push_back(ReportRow{line.substr(0, tab1),
                                     std::stoi(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                                     line.substr(tab2 + 1)});
    }
}

}  // namespace

DriverRun RunDriver(const std::vector<std::string>& prefix, const std::vector<std::string>& args,
                    int timeoutSeconds) {
    std::vector<std::string> argv = prefix;
    argv.emplace_back(FAULT_DRIVER_PATH);
    argv.insert(argv.end(), args.begin(), args.end());
    DriverRun run;
    run.command = RunCommand(argv, timeoutSeconds);
    ParseOutput(run);
    return run;
}
