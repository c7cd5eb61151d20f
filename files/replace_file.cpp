#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace toroglav {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::string_view kNoReader = "a named pipe that nobody reads";
constexpr int kMaxLinks = 40;  // as many as the kernel follows in one path

FileWriteResult Failure(int error) {
    return {.ok = false, .error = std::strerror(error != 0 ? error : EIO)};
}

// Writes, flushes and closes `file`; the errno of the first failure, or 0.
int WriteAndClose(FilePtr file, const std::function<bool(ByteSink&)>& write, bool sync) {
    errno = 0;
    FileSink sink(file.get());
    int error = 0;
    if (!write(sink)) error = errno != 0 ? errno : EIO;
    // Buffered bytes reach the file only here, so a full disk may show up at flush or close.
    if (std::fflush(file.get()) != 0 && error == 0) error = errno;
    if (sync && error == 0 && ::fsync(fileno(file.get())) != 0) error = errno;
    if (std::fclose(file.release()) != 0 && error == 0) error = errno;
    return error;
}

// The permissions the new file takes: those of the file it replaces, or the usual ones for a
// new file under the process's umask.
mode_t NewFileMode(const struct stat* existing) {
    if (existing) return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Opens without blocking, since a named pipe with nobody reading it would otherwise wait for a
// reader forever; the writes themselves then block as usual.
FileWriteResult WriteInPlace(const fs::path& target, const std::function<bool(ByteSink&)>& write) {
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENXIO) return {.ok = false, .error = std::string(kNoReader)};
        return Failure(errno);
    }
    FilePtr file(::fcntl(descriptor, F_SETFL, 0) == 0 ? ::fdopen(descriptor, "wb") : nullptr);
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        return Failure(error);
    }
    const int error = WriteAndClose(std::move(file), write, false);
    return error == 0 ? FileWriteResult{.ok = true, .error = {}} : Failure(error);
}

// The file that writing `path` reaches: the end of its chain of symbolic links, a relative link
// read from the link's own folder. The end need not exist yet. Returns 0, or the errno of a chain
// that loops or cannot be read.
int FollowLinks(fs::path& path) {
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode)) return 0;
        if (links == kMaxLinks) return ELOOP;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return error.value();
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

FileWriteResult ReplaceFile(const fs::path& requested,
                            const std::function<bool(ByteSink&)>& write) {
    // A link is followed, so the file it ends at is replaced (or made) and the link stays.
    fs::path target = requested;
    if (const int error = FollowLinks(target); error != 0) return Failure(error);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Failure(EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(target, write);
    // Renaming needs only the folder's permission, so the right to write the file itself is
    // checked, for the real user.
    if (exists && ::access(target.c_str(), W_OK) != 0) return Failure(errno);

    std::string temporary = (FolderOf(target) / ".toroglav-XXXXXX").string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return Failure(errno);
    FilePtr file(::fdopen(descriptor, "wb"));
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return Failure(error);
    }
    int error = ::fchmod(descriptor, NewFileMode(exists ? &existing : nullptr)) != 0 ? errno : 0;
    if (error == 0) error = WriteAndClose(std::move(file), write, true);
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        file.reset();
        ::unlink(temporary.c_str());
        return Failure(error);
    }
    return {.ok = true, .error = {}};
}

bool SameFileWritten(const fs::path& a, const fs::path& b) {
    fs::path endA = a;
    fs::path endB = b;
    if (FollowLinks(endA) != 0 || FollowLinks(endB) != 0) return false;  // writing it fails anyway
    std::error_code missing;
    if (fs::equivalent(endA, endB, missing)) return true;
    if (!missing) return false;  // one of them is there, the other is not
    return endA.filename() == endB.filename() &&
           fs::equivalent(FolderOf(endA), FolderOf(endB), missing);
}

}  // namespace toroglav
