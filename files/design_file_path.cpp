#include "design_file_path.h"

#include <cstdio>
#include <memory>

#include "files/byte_stream.h"
#include "files/design_file.h"

namespace toroglav {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr Open(const std::filesystem::path& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

}  // namespace

SaveStatus SaveDesignFile(const std::filesystem::path& path, const DesignRecord& record) {
    FilePtr file = Open(path, "wb");
    if (!file) return SaveStatus::kCannotCreate;
    FileSink sink(file.get());
    bool written = WriteDesignRecord(sink, record);
    // Buffered bytes reach the disk only here, so a full disk shows up at flush or close.
    written = std::fflush(file.get()) == 0 && written;
    written = std::fclose(file.release()) == 0 && written;
    return written ? SaveStatus::kSaved : SaveStatus::kWriteFailed;
}

LoadResult LoadDesignFile(const std::filesystem::path& path, DesignRecord& record) {
    FilePtr file = Open(path, "rb");
    if (!file) return {};
    FileSource source(file.get());
    return {.opened = true, .read = ReadDesignRecord(source, record)};
}

}  // namespace toroglav
