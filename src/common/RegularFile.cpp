#include "common/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vt {
namespace {

#ifdef _WIN32
using StatRecord = struct _stat64;
bool IsRegular(const StatRecord& info) { return (info.st_mode & _S_IFMT) == _S_IFREG; }
int StatPath(const std::string& path, StatRecord& info) { return _stat64(path.c_str(), &info); }
int StatOpen(int fd, StatRecord& info) { return _fstat64(fd, &info); }
int OpenForReading(const std::string& path) { return _open(path.c_str(), _O_RDONLY | _O_BINARY); }
int CloseFile(int fd) { return _close(fd); }
long ReadSome(int fd, char* to, std::size_t count) {
    return _read(fd, to, unsigned(count > (1u << 30) ? (1u << 30) : count));
}
#else
using StatRecord = struct stat;
bool IsRegular(const StatRecord& info) { return S_ISREG(info.st_mode); }
int StatPath(const std::string& path, StatRecord& info) { return stat(path.c_str(), &info); }
int StatOpen(int fd, StatRecord& info) { return fstat(fd, &info); }
// O_NONBLOCK: opening a FIFO for reading returns at once instead of waiting for a writer,
// so the check on the open descriptor below settles it without any race with the name.
int OpenForReading(const std::string& path) { return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }
int CloseFile(int fd) { return close(fd); }
long ReadSome(int fd, char* to, std::size_t count) { return long(read(fd, to, count)); }
#endif

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) CloseFile(fd);
    }
};

FileReadResult Failed(FileReadFailure failure, std::int64_t size = 0) {
    FileReadResult result;
    result.failure = failure;
    result.size = size;
    return result;
}

template <class Bytes>
FileReadResult ReadInto(const std::string& path, std::int64_t maxSize, Bytes& bytes) {
    StatRecord info;
#ifdef _WIN32
    // Opening a device or pipe name may itself block on Windows, and there is no open flag
    // that prevents it: the name is looked at first (devices and pipes are not regular), then
    // the opened file again below, in case the name changed meanwhile.
    if (StatPath(path, info) == 0 && !IsRegular(info)) return Failed(FileReadFailure::NotRegular);
#endif
    Descriptor file{OpenForReading(path)};
    if (file.fd < 0) {
        FileReadResult result = Failed(FileReadFailure::CannotOpen);
        result.reason = std::strerror(errno);
        return result;
    }
    if (StatOpen(file.fd, info) != 0) return Failed(FileReadFailure::CannotRead);
    if (!IsRegular(info)) return Failed(FileReadFailure::NotRegular);
    const std::int64_t size = std::int64_t(info.st_size);
    if (size < 0) return Failed(FileReadFailure::CannotRead);
    if (size > maxSize) return Failed(FileReadFailure::TooLarge, size);
    bytes.assign(std::size_t(size), 0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        long got = ReadSome(file.fd, reinterpret_cast<char*>(&bytes[done]), bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            bytes.clear();
            return Failed(FileReadFailure::CannotRead, size);
        }
        done += std::size_t(got);
    }
    FileReadResult result;
    result.size = size;
    return result;
}

}  // namespace

bool FileExists(const std::string& name) {
    StatRecord info;
    return !name.empty() && StatPath(name, info) == 0 && IsRegular(info);
}

FileReadResult ReadRegularFile(const std::string& path, std::int64_t maxSize, std::string& bytes) {
    return ReadInto(path, maxSize, bytes);
}

FileReadResult ReadRegularFile(const std::string& path, std::int64_t maxSize, std::vector<std::uint8_t>& bytes) {
    return ReadInto(path, maxSize, bytes);
}

}  // namespace vt
