#include "platform/files/FileOps.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes a finished rename durable: the folder's entry is flushed too.
void syncFolder(const std::string& path) {
    int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The mode a new file gets: the old file's, or the usual one under the umask.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a path names: a symbolic link is followed, so that replacing the
// file keeps the link.
std::string resolved(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string target = real;
    std::free(real);
    return target;
}

bool readInto(const std::string& path, std::string& bytes, ReadFailure* failure, int extraFlags) {
    auto fail = [failure, &bytes](ReadFailure why) {
        bytes.clear();
        if (failure) *failure = why;
        return false;
    };
    if (failure) *failure = ReadFailure::None;
    probe::noteRead(path);
    int fd = fault::shouldFail(fault::Kind::Open, path) ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | extraFlags);
    // The rare failed open asks the disk once more, so that Missing means what fileExists says.
    if (fd < 0) return fail(fileExists(path) ? ReadFailure::Unreadable : ReadFailure::Missing);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool regular = S_ISREG(st.st_mode);
        ::close(fd);
        return fail(regular ? ReadFailure::Unreadable : ReadFailure::Missing);
    }
    // One byte more than the file holds: the end shows as a read of nothing
    // without the buffer growing (and being copied) first. The old bytes are
    // read over, so only a buffer that grows has bytes to clear.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) bytes.resize(bytes.size() + 4096); // the file grew meanwhile
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return fail(ReadFailure::Unreadable);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return true;
}

} // namespace

bool readFileInto(const std::string& path, std::string& bytes, ReadFailure* failure) {
    return readInto(path, bytes, failure, 0);
}

std::optional<std::string> readFile(const std::string& path, ReadFailure* failure) {
    std::string bytes;
    if (!readFileInto(path, bytes, failure)) return std::nullopt;
    return bytes;
}

bool writeFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string target = resolved(path);
    if (isReadOnly(target)) return false;
    std::string temp = folderOf(target) + "/." + target.substr(target.find_last_of('/') + 1) + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    auto fail = [&] {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    };
    ::fchmod(fd, modeFor(target));

    long limit = 0;
    if (fault::shouldFail(fault::Kind::WriteAfterBytes, path, &limit)) {
        std::size_t part = std::min(bytes.size(), static_cast<std::size_t>(std::max(limit, 0L)));
        writeAll(fd, bytes.data(), part);
        return fail();
    }
    if (!writeAll(fd, bytes.data(), bytes.size())) return fail();
    if (fault::shouldFail(fault::Kind::Flush, path) || ::fsync(fd) != 0) return fail();
    if (::close(fd) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    if (fault::shouldFail(fault::Kind::Rename, path) || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(target);
    return true;
}

bool isReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool fileOpens(const std::string& path) {
    if (!fileExists(path) || fault::shouldFail(fault::Kind::Open, path)) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return folderExists(path);
}

bool createFile(const std::string& path, std::string_view bytes) {
    // O_EXCL with O_NOFOLLOW: whatever is at the path, a link included, makes the open fail.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modeFor(path));
    if (fd < 0) return false;
    auto fail = [&] {
        ::close(fd);
        ::unlink(path.c_str());
        return false;
    };
    long limit = 0;
    if (fault::shouldFail(fault::Kind::WriteAfterBytes, path, &limit)) {
        writeAll(fd, bytes.data(), std::min(bytes.size(), static_cast<std::size_t>(std::max(limit, 0L))));
        return fail();
    }
    if (!writeAll(fd, bytes.data(), bytes.size())) return fail();
    if (fault::shouldFail(fault::Kind::Flush, path) || ::fsync(fd) != 0) return fail();
    if (::close(fd) != 0) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

bool copyFile(const std::string& from, const std::string& to) {
    if (fault::shouldFail(fault::Kind::Copy, from + "\n" + to)) return false;
    std::string bytes;
    return readInto(from, bytes, nullptr, O_NOFOLLOW) && createFile(to, bytes);
}

bool removeFile(const std::string& path) {
    if (fault::shouldFail(fault::Kind::Remove, path)) return false;
    if (::unlink(path.c_str()) == 0) {
        syncFolder(path);
        return true;
    }
    return errno == ENOENT;
}

bool renameFile(const std::string& from, const std::string& to) {
    // A read-only file is kept from a rename as from any other write.
    if (fault::shouldFail(fault::Kind::Rename, from + "\n" + to) || isReadOnly(to)) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    syncFolder(to);
    return true;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::size_t byteOrderMarkLength(std::string_view bytes) { return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0; }

bool isAtomicWriteTemporary(std::string_view name) {
    // mkstemp's six characters: ASCII letters and digits.
    constexpr std::size_t kRandom = 6;
    if (name.size() < 1 + 1 + 1 + kRandom || name.front() != '.' || name[name.size() - kRandom - 1] != '.') return false;
    return std::all_of(name.end() - kRandom, name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

void removeInterruptedWrites(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        // The entry itself: a link named like a temporary file is not ours.
        if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (isAtomicWriteTemporary(name)) removeFile(joinPath(folder, name));
    }
}

} // namespace files
