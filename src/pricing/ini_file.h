// The INI layer (modIniFile): discount-set files read and written as the classic
// private-profile text, so a set edited here opens unchanged on the carrier's desktop.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::pricing {

// The value buffer the program has always asked for: 255 characters, so at most 254 come back.
constexpr std::size_t kIniBufferSize = 255;

// The value of `key` in `section`, or `defaultValue` when the file, the section or the key is
// missing. Names are matched without regard to case and blanks around names and values do not
// count; a value in matching double (or single) quotes comes back without them. The default
// loses its trailing blanks, as the classic reader strips them. Values are single-byte text
// and come back byte for byte, cut to 254 characters.
std::string ReadIniValue(std::string_view section, std::string_view key,
                         const std::filesystem::path& file, std::string_view defaultValue);

// ReadIniValue on the text of an existing file already read, for many values of one file.
std::string ReadIniTextValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view defaultValue);

// The names of the file's sections in file order, as they are written; none for a missing file.
std::vector<std::string> ReadIniSectionNames(const std::filesystem::path& file);

// The part before the first NUL; when there is none, or the text begins with one, the whole
// text without surrounding blanks.
std::string TrimAtNul(std::string_view text);

// Writes "key=value" into the section: an existing key's line is replaced where it stands, a
// new key goes after the last line of its section, a new section at the end of the file, and
// a missing file is created. Every other line stays byte for byte as it was; written lines end
// in CR LF. The file is replaced atomically. False (and `error` says why) when the file could
// not be read or written, or when a name or value would break the file's lines.
bool WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::filesystem::path& file, std::string* error = nullptr);

// Replaces the whole content of a section by the given lines ("key=value" lines joined with
// CR LF, or NUL-separated as the platform call takes them), where the section stands; a new
// section goes at the end of the file. Blank lines after the section's last line are kept.
bool WriteIniSection(std::string_view section, std::string_view text,
                     const std::filesystem::path& file, std::string* error = nullptr);

// The same two edits on a file's text held in memory, so that many can be made and the file
// replaced once, whole: a failure leaves `text` as it was.
bool SetIniValue(std::string& text, std::string_view section, std::string_view key,
                 std::string_view value, std::string* error = nullptr);
bool SetIniSection(std::string& text, std::string_view section, std::string_view lines,
                   std::string* error = nullptr);

// The text of a file about to be rewritten: empty for a missing file; false (and `error` says
// why) for a file that exists but cannot be read, so that a write never replaces what it could
// not read.
bool ReadIniForUpdate(const std::filesystem::path& file, std::string& text,
                      std::string* error = nullptr);

}  // namespace tarvex::pricing
