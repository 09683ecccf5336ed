#include "atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace guheng::report {

namespace {

FileError errorOf(int code, const std::string& what, const std::string& path) {
    return {code, what + " " + path + ": " + std::strerror(code)};
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Opens a new file in the target's folder under a short name nobody else uses (a name built on the target's
// could pass the file system's name limit).
int createTemporary(const std::string& target, mode_t mode, std::string& name) {
    const std::string folderPrefix = target.substr(0, target.rfind('/') + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = folderPrefix + ".guheng" + std::to_string(random() % 1000000) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<FileError> replaceFileContent(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return FileError{ENOENT, "no file name given"};

    std::string target = path;
    mode_t mode = 0666; // narrowed by the umask, as for any new file
    bool replacing = false;
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0) {
        replacing = true;
        if (S_ISLNK(existing.st_mode)) {
            char resolved[PATH_MAX];
            if (::realpath(path.c_str(), resolved) == nullptr)
                return errorOf(errno, "cannot follow the link", path);
            target = resolved;
            if (::stat(target.c_str(), &existing) != 0)
                return errorOf(errno, "cannot inspect", target);
        }
        if (S_ISDIR(existing.st_mode))
            return errorOf(EISDIR, "cannot replace", target);
        if (!S_ISREG(existing.st_mode))
            return errorOf(EINVAL, "not a regular file:", target);
        if (::access(target.c_str(), W_OK) != 0)
            return errorOf(errno, "cannot write", target);
        mode = existing.st_mode & 07777;
    } else if (errno != ENOENT) {
        return errorOf(errno, "cannot inspect", path);
    }

    std::string temporary;
    const int fd = createTemporary(target, mode, temporary);
    if (fd < 0)
        return errorOf(errno, "cannot create a file in", folderOf(target));

    auto fail = [&](const std::string& what) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return errorOf(code, what, temporary);
    };
    // The mode passed to open was narrowed by the umask; a replaced file keeps exactly its own.
    if (replacing && ::fchmod(fd, mode) != 0)
        return fail("cannot set the permissions of");
    if (!writeAll(fd, bytes))
        return fail("cannot write");
    if (::fsync(fd) != 0)
        return fail("cannot flush");
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return errorOf(code, "cannot close", temporary);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return errorOf(code, "cannot replace", target);
    }
    // Make the rename itself durable; the new content is already in place, so a failure here changes nothing.
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

} // namespace guheng::report
