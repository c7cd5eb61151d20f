#pragma once
// Saving and loading a design file by path, for the window's commands and the command line, and
// loading one from a stream already open (the command line's standard input).

#include <cstdio>
#include <filesystem>
#include <string>

#include "calc/record/design_record.h"
#include "files/read_status.h"
#include "files/replace_file.h"

namespace toroglav {

// Writes the record's inputs; an existing file is replaced only once the whole write succeeded.
FileWriteResult SaveDesignFile(const std::filesystem::path& path, const DesignRecord& record);

struct LoadResult {
    bool opened = false;    // false: the file could not be opened, see openError
    std::string openError;  // the system's error text, or why the file is not a design file
    ReadStatus read = ReadStatus::kOk;

    bool Loaded() const { return opened && read == ReadStatus::kOk; }
};

// Reads the stored members from a regular file. The record takes the file's inputs only when
// the whole file was read; on any failure it is left exactly as it was. Anything but a regular
// file (a folder, a pipe, a device) is refused without reading from it, so a pipe with no
// writer cannot block the caller and /dev/zero cannot pass for a design.
LoadResult LoadDesignFile(const std::filesystem::path& path, DesignRecord& record);

// Reads the stored members from an open stream that is a regular file or a pipe, with the same
// all-or-nothing rule, and then reads on to its end so that a writer never meets a closed pipe.
// A device, a terminal or a folder is refused without reading from it.
LoadResult LoadDesignStream(std::FILE* stream, DesignRecord& record);

}  // namespace toroglav
