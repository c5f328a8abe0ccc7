// Bounded reading of regular files with POSIX calls (no blocking on pipes or devices).
#include "base/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

std::filesystem::path filePathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

namespace {

/// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

std::optional<FileBytes> readFilePrefix(const std::filesystem::path& path, std::size_t limit) {
    // O_NONBLOCK: opening a pipe must not wait for a writer; it is refused below anyway.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;

    FileBytes result;
    std::size_t wanted = limit;
    if (info.st_size >= 0 && static_cast<std::size_t>(info.st_size) < wanted)
        wanted = static_cast<std::size_t>(info.st_size);
    result.bytes.resize(wanted);
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(file.fd, result.bytes.data() + got, wanted - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break; // the file shrank meanwhile
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    if (got == limit) {
        // One more byte tells whether the file goes on (it may have grown since fstat).
        char extra;
        ssize_t n;
        do n = ::read(file.fd, &extra, 1);
        while (n < 0 && errno == EINTR);
        if (n < 0) return std::nullopt;
        result.truncated = n > 0;
    }
    return result;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    auto prefix = readFilePrefix(path, limit);
    if (!prefix || prefix->truncated) return std::nullopt;
    return std::move(prefix->bytes);
}

} // namespace corvane
