#pragma once
// The design file: the input half of a DesignRecord (twelve option indices, then forty-four
// texts) as a flat byte stream with no header, version or checksum. The design files the user
// saves and the state file kept between runs share this one format.
//
// Results and working numbers are never stored; after a read the caller recalculates.

#include "calc/record/design_record.h"
#include "files/byte_stream.h"
#include "files/read_status.h"

namespace toroglav {

// Writes the stored members in file order. False when the sink fails (the write stops there)
// or a text is too long for the format.
bool WriteDesignRecord(ByteSink& sink, const DesignRecord& record);

// Reads the stored members in file order, assigning each as soon as its item is complete. On
// failure the members before the failing item hold the file's values and the rest keep their
// previous ones. Bytes after the last item are left unread; nothing is checked against the
// option ranges.
ReadStatus ReadDesignRecord(ByteSource& source, DesignRecord& record);

}  // namespace toroglav
