#include "HeldFile.h"

HeldFile::HeldFile(FaultFileSystem& fs, std::string name, std::chrono::milliseconds limit) {
    fs.Plant(Fault{FsCall::kOpenForReading, 0, 0, 0,
                   [this, name = std::move(name), limit](const std::string& path) {
                       if (path.ends_with(name)) {
                           std::unique_lock lock(m_mutex);
                           m_reached = true;
                           m_changed.notify_all();
                           m_changed.wait_for(lock, limit, [this] { return m_release; });
                       }
                   }});
}

bool HeldFile::WaitUntilReached(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_reached; });
}

void HeldFile::Release() {
    const std::lock_guard lock(m_mutex);
    m_release = true;
    m_changed.notify_all();
}
