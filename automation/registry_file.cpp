#include "automation/registry_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace guheng::automation {
namespace {

// Far beyond any real registry; a bigger file is treated as corrupt rather than read.
constexpr off_t MaxRegistryBytes = 16 * 1024 * 1024;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::optional<std::string> readAll(int fd) {
    std::string text;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<off_t>(text.size()) > MaxRegistryBytes)
            return std::nullopt;
    }
}

HRESULT storeAtomically(const std::filesystem::path& file, const std::string& text) {
    std::string temporary = file.string() + ".XXXXXX";
    FileDescriptor out(::mkstemp(temporary.data()));
    if (!out.valid())
        return REGDB_E_WRITEREGDB;
    bool written = writeAll(out.get(), text) && ::fsync(out.get()) == 0 && ::close(out.release()) == 0 &&
                   ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return REGDB_E_WRITEREGDB;
    }
    return S_OK;
}

} // namespace

RegistryRead readRegistryFile(const std::filesystem::path& file) {
    FileDescriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return {errno == ENOENT ? S_FALSE : REGDB_E_READREGDB, {}};
    auto text = readAll(in.get());
    auto entries = text ? parseRegistry(*text) : std::nullopt;
    if (!entries)
        return {REGDB_E_READREGDB, {}};
    return {S_OK, std::move(*entries)};
}

HRESULT changeRegistryFile(const std::filesystem::path& file,
                           const std::function<void(RegistryEntries&)>& change) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return REGDB_E_WRITEREGDB;
    // Two registrations at once must not lose each other's entries.
    std::string lockName = file.string() + ".lock";
    FileDescriptor lock(::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!lock.valid() || ::flock(lock.get(), LOCK_EX) != 0)
        return REGDB_E_WRITEREGDB;

    RegistryRead current = readRegistryFile(file);
    if (failed(current.status))
        return current.status;
    change(current.entries);
    return storeAtomically(file, formatRegistry(current.entries));
}

} // namespace guheng::automation
