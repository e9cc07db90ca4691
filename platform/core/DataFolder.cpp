#include "platform/core/DataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>

#include "platform/core/AtomicFile.h"
#include "platform/core/Log.h"

namespace zuno::sys {

namespace {
std::mutex& folderMutex() {
    static std::mutex m;
    return m;
}
std::string& chosenFolder() {
    static std::string folder;
    return folder;
}
// The folder the run's warning named; empty before it.
struct FailureReport {
    std::mutex mutex;
    std::string reportedFor;
};
FailureReport& failureReport() {
    static FailureReport report;
    return report;
}

std::string defaultFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/zuno";
    const char* home = std::getenv("HOME");
    std::string base;
    if (home && home[0] == '/') {
        base = home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        base = pw->pw_dir;
    } else {
        base = "/tmp";
    }
    return base + "/.local/share/zuno";
}
}  // namespace

std::string dataFolder() {
    std::string folder;
    {
        std::lock_guard<std::mutex> lock(folderMutex());
        folder = chosenFolder().empty() ? defaultFolder() : chosenFolder();
    }
    if (auto error = makeFolders(folder)) reportDataFolderFailure("Data folder: " + *error);
    return folder;
}

void reportDataFolderFailure(const std::string& text) {
    std::string folder;
    {
        std::lock_guard<std::mutex> lock(folderMutex());
        folder = chosenFolder().empty() ? defaultFolder() : chosenFolder();
    }
    FailureReport& report = failureReport();
    std::lock_guard<std::mutex> lock(report.mutex);
    if (report.reportedFor == folder) {
        Log::line(text);
        return;
    }
    report.reportedFor = folder;
    Log::warning(text + "; nothing is kept in " + folder + " this run (name a folder you can write with --data DIR)");
}

void resetDataFolderFailureReportForTests() {
    FailureReport& report = failureReport();
    std::lock_guard<std::mutex> lock(report.mutex);
    report.reportedFor.clear();
}

void setDataFolder(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::lock_guard<std::mutex> lock(folderMutex());
    chosenFolder() = std::move(path);
}

}  // namespace zuno::sys
