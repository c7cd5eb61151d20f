#pragma once
// Saving and loading a design file by path, for the window's commands and the command line.

#include <filesystem>

#include "calc/design_record.h"
#include "files/read_status.h"

namespace toroglav {

enum class SaveStatus {
    kSaved,
    kCannotCreate,  // nothing was written
    kWriteFailed,   // the file exists but may be incomplete (a full disk, for instance)
};

// Creates the file, or empties an existing one, and writes the record into it.
SaveStatus SaveDesignFile(const std::filesystem::path& path, const DesignRecord& record);

struct LoadResult {
    bool opened = false;  // false: the file could not be opened and the record is untouched
    ReadStatus read = ReadStatus::kOk;

    bool Loaded() const { return opened && read == ReadStatus::kOk; }
};

// Reads the record from an existing file, with the partial-read rule of ReadDesignRecord.
LoadResult LoadDesignFile(const std::filesystem::path& path, DesignRecord& record);

}  // namespace toroglav
