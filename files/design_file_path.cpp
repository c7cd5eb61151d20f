#include "files/design_file_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "files/byte_stream.h"
#include "files/design_file.h"

namespace toroglav {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::string_view kNotARegularFile = "not a regular file";
constexpr std::string_view kNotAFileOrPipe = "not a regular file or a pipe";

// Opens without blocking (a pipe with no writer would otherwise wait forever) and keeps the
// file only when it is a regular one.
FilePtr OpenRegularFile(const std::filesystem::path& path, std::string& error) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : kNotARegularFile;
        ::close(descriptor);
        return nullptr;
    }
    FilePtr file(::fdopen(descriptor, "rb"));
    if (!file) {
        error = std::strerror(errno);
        ::close(descriptor);
    }
    return file;
}

// Reads a design into `record`, which takes it only when it was all there; `toTheEnd` reads on
// past the design's last item.
ReadStatus ReadWholeDesign(std::FILE* file, DesignRecord& record, bool toTheEnd) {
    FileSource source(file);
    DesignRecord loaded = record;
    ReadStatus status = ReadDesignRecord(source, loaded);
    if (toTheEnd) {
        char rest[4096];
        while (std::fread(rest, 1, sizeof rest, file) == sizeof rest) {
        }
        if (std::ferror(file) && status == ReadStatus::kOk) status = ReadStatus::kArchiveError;
    }
    if (status == ReadStatus::kOk) record = std::move(loaded);
    return status;
}

}  // namespace

FileWriteResult SaveDesignFile(const std::filesystem::path& path, const DesignRecord& record) {
    return ReplaceFile(path, [&](ByteSink& sink) { return WriteDesignRecord(sink, record); });
}

LoadResult LoadDesignFile(const std::filesystem::path& path, DesignRecord& record) {
    LoadResult result;
    FilePtr file = OpenRegularFile(path, result.openError);
    if (!file) return result;
    result.opened = true;
    result.read = ReadWholeDesign(file.get(), record, false);
    return result;
}

LoadResult LoadDesignStream(std::FILE* stream, DesignRecord& record) {
    LoadResult result;
    struct stat status {};
    const int descriptor = ::fileno(stream);
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0) {
        result.openError = std::strerror(errno);
        return result;
    }
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode) && !S_ISSOCK(status.st_mode)) {
        result.openError = kNotAFileOrPipe;
        return result;
    }
    result.opened = true;
    result.read = ReadWholeDesign(stream, record, true);
    return result;
}

}  // namespace toroglav
