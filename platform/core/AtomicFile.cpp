#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdint>

namespace zuno::sys {

namespace {
std::string errorText(const char* what, const std::string& path) {
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, std::string_view bytes, unsigned mode) {
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);  // created owner-only
    if (fd < 0) return errorText("cannot create a temporary file for", path);
    auto fail = [&](const char* what) {
        std::string error = errorText(what, temp);
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    };
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) return fail("cannot set the permissions of");
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("cannot write");
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) return fail("cannot flush");
    if (::close(fd) != 0) {
        std::string error = errorText("cannot close", temp);
        ::unlink(temp.c_str());
        return error;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string error = errorText("cannot replace", path);
        ::unlink(temp.c_str());
        return error;
    }
    syncFolder(folderOf(path));
    return std::nullopt;
}

std::optional<std::string> readWholeFile(const std::string& path, size_t maxBytes) {
    // Opened without waiting, so that a pipe with no writer is refused rather than waited for.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    out.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || out.size() + static_cast<size_t>(n) > maxBytes) {  // an error, or the file grew past the limit
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
}

std::optional<std::string> makeFolders(const std::string& path) {
    if (path.empty()) return std::string("empty folder name");
    std::string sofar;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string::npos) slash = path.size();
        sofar = path.substr(0, slash);
        pos = slash + 1;
        if (sofar.empty()) continue;
        if (::mkdir(sofar.c_str(), 0700) != 0 && errno != EEXIST) return errorText("cannot make the folder", sofar);
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "not a folder: " + path;
    return std::nullopt;
}

}  // namespace zuno::sys
