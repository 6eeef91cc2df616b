// Reading and writing the program's files: fixed-record files, whole text files,
// atomic replacement of files the program writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/byte_record.h"

namespace tarvex::base {

enum class RecordStatus { Ok, Missing, Short };

struct RecordRead {
  RecordStatus status = RecordStatus::Missing;
  ByteRecord record;  // full length when Ok; empty otherwise
  bool ok() const { return status == RecordStatus::Ok; }
};

// Record n (from 1) of length L. A missing file gives Missing; a record that does not lie
// wholly within the file gives Short. Nothing is read past the end of the file.
RecordRead ReadFixedRecord(const std::filesystem::path& file, std::size_t recordLength,
                           std::int64_t recordNumber);

// Number of whole records of length L in the file; 0 for a missing file.
std::int64_t FixedRecordCount(const std::filesystem::path& file, std::size_t recordLength);

// Size of the file in bytes; -1 when it cannot be examined.
std::int64_t FileLength(const std::filesystem::path& file);

// The whole content of a file; "" when it cannot be opened or read.
std::string FileToString(const std::filesystem::path& file);

// Replaces the file with the given content: written to a temporary file beside it,
// flushed, then renamed over it and the directory flushed, so a crash or a full disk never
// leaves half a file. The temporary is always a new file of its own: a name that exists
// already (a link planted there included) is never opened, another name is taken instead.
// Returns false and an explanation when the file could not be written.
bool WriteFileAtomic(const std::filesystem::path& file, std::string_view content,
                     std::string* error = nullptr);

// Replaces record n (from 1) of length L in place, atomically for the whole file.
// A shorter file is extended with blanks up to that record.
bool WriteFixedRecord(const std::filesystem::path& file, std::size_t recordLength,
                      std::int64_t recordNumber, const ByteRecord& record,
                      std::string* error = nullptr);

}  // namespace tarvex::base
