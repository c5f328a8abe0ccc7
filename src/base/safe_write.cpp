// Temporary file + rename, following symbolic links and keeping permissions.
#include "base/safe_write.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr int MaxLinkDepth = 40;

/// The file a chain of symbolic links ends at (the path itself when it is no link); the
/// target need not exist. nullopt for a loop or an unreadable link.
std::optional<fs::path> followLinks(fs::path path) {
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (ec || !fs::is_symlink(status)) return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

/// Creates a new file beside `target` with a name no other file has; -1 with errno set when
/// the folder does not allow it. The mode 0666 is narrowed by the process's umask like any
/// new file. The name leaves the target's own name out, so that a long name cannot make it
/// too long.
int createSibling(const fs::path& target, fs::path& created) {
    // Unpredictable enough for a private name; O_EXCL settles any clash.
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        created = folder / (".corvane-save-" + std::to_string(::getpid()) + "-" +
                            std::to_string(seed + attempt) + ".tmp");
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

/// Rewrites the file in place (truncate, write): the way out when its folder is read-only.
bool writeInPlace(const fs::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

} // namespace

bool writeFileReplacing(const fs::path& path, std::string_view bytes) {
    if (path.empty()) return false;
    const auto resolved = followLinks(path);
    if (!resolved) return false;
    const fs::path& target = *resolved;

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false; // a folder, a device, a pipe
    if (!exists && errno != ENOENT) return false;
    // A file the user may not write is not replaced behind its back.
    if (exists && ::access(target.c_str(), W_OK) != 0) return false;

    fs::path temporary;
    const int fd = createSibling(target, temporary);
    if (fd < 0) {
        // Only a folder that refuses new files leads to the in-place write; on other errors
        // (a full disk, say) truncating the old file first could lose it.
        if (errno == EACCES || errno == EPERM) return writeInPlace(target, bytes);
        return false;
    }

    bool ok = writeAll(fd, bytes);
    if (ok && exists) {
        // Keep the owner too where allowed; a plain user cannot give files away, so a
        // refusal is no failure of the save. The mode comes after, as a change of owner
        // may clear some of its bits.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        }
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

} // namespace corvane
