#include "dialog/OperationRun.h"

#include <utility>

#include "engine/FileSystem.h"
#include "engine/OperationProgress.h"

// What the operation tells, written into the run's snapshot.
class OperationRun::Listener final : public OperationProgress {
  public:
    explicit Listener(OperationRun& run) : m_run(run) {}

    void Planned(std::size_t files, std::uint64_t bytes) override {
        const std::lock_guard lock(m_run.m_mutex);
        m_run.m_snapshot.files = files;
        m_run.m_snapshot.bytes = bytes;
    }
    void FileStarted(std::string_view name, std::uint64_t size) override {
        const std::lock_guard lock(m_run.m_mutex);
        m_endedBytes = m_run.m_snapshot.bytesDone;
        m_size = size;
        m_run.m_snapshot.current = std::string(name);
    }
    void FileAdvanced(std::uint64_t done) override {
        const std::lock_guard lock(m_run.m_mutex);
        m_run.m_snapshot.bytesDone = m_endedBytes + done;
    }
    void FileEnded(const FileResult& /*result*/) override {
        const std::lock_guard lock(m_run.m_mutex);
        m_run.m_snapshot.bytesDone = m_endedBytes + m_size;
        ++m_run.m_snapshot.filesEnded;
    }
    bool StopRequested() override { return m_run.m_stop; }

  private:
    OperationRun& m_run;
    std::uint64_t m_endedBytes = 0;  // the operation's thread alone
    std::uint64_t m_size = 0;
};

OperationRun::OperationRun(FileSystem& fs, int kind, std::string source, std::string destination,
                           std::string title)
    : m_thread([this, &fs, kind, source = std::move(source), destination = std::move(destination),
                title = std::move(title)] { Run(fs, kind, source, destination, title); }) {}

OperationRun::~OperationRun() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void OperationRun::Run(FileSystem& fs, int kind, const std::string& source,
                       const std::string& destination, const std::string& title) {
    NoWaitIndicator noWait;  // the dialog shows the wait cursor itself, on its own thread
    Listener listener(*this);
    OperationReport report;
    RunOperation(fs, noWait, listener, kind, source, destination, title, &report);
    const std::lock_guard lock(m_mutex);
    m_report = std::move(report);
    m_snapshot.finished = true;
    m_finished.notify_all();
}

bool OperationRun::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_finished.wait_for(lock, timeout, [this] { return m_snapshot.finished; });
}

RunSnapshot OperationRun::Snapshot() const {
    const std::lock_guard lock(m_mutex);
    return m_snapshot;
}

OperationReport OperationRun::Finish() {
    m_thread.join();
    return std::move(m_report);
}
