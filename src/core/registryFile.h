#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/ProfileText.h"

// The registry files (players, affiliations, series, courses) and the region
// history. One operation's values go into the file in one atomic
// replacement, so a failed write leaves the file exactly as it was and the
// window can keep memory, list and file agreeing.

// A registry file: the path global it lives at, the key of its counter in
// "Management" (the highest number given) and what its record sections are
// named before their number ("player" for player12).
struct RegistryFile {
    const std::string* path;
    std::string counterKey;
    std::string sectionPrefix;
    const std::string& file() const { return *path; }
};
extern const RegistryFile playerRegistry, groupRegistry, seriesRegistry, courseRegistry;

using IniValue = files::ProfileValue;

// Writes the values in order, as the same number of value-layer writes would,
// but all or nothing. False when the file could not be written (or exists
// and cannot be read); the old file is then untouched.
bool writeIniValues(const std::string& file, const std::vector<IniValue>& values);

// The highest record number of a registry: the larger of its counter (the
// number at the start of its text, rounded; a missing, negative or
// non-numeric one counts as 0) and the number of its highest record section,
// so that a counter that is lost or behind neither hides a record nor lets a
// new one land on it. `counter` is the counter's text as read. Numbers of
// records and counters that cannot be listed (above 32767) count too.
int32_t highestRecordNumber(std::string_view counter, const std::vector<std::string>& sectionNames,
                            std::string_view sectionPrefix);

// How far a registry's listing loop goes: the highest record number, held
// within 0 to 32767. A file that is there but cannot be read lists nothing
// and is reported (once, see noteRegistryRead).
int16_t registryCount(const RegistryFile& registry);

// The number a new entry takes: one past the highest record number. At the
// highest usable number, 32767, adding is refused with a message; a file
// that cannot be read is refused with its own; nullopt then comes back.
std::optional<int16_t> nextRegistryNumber(const RegistryFile& registry);

// Whether a registry file can be written to: it reads, or it is not there.
bool registryReadable(const std::string& file);
// The same for an add, edit or delete about to write: a file that cannot be
// read is never written to, and the box naming it says why.
bool registryWritable(const std::string& file);

// What a reader of a registry file found: a file that is there but cannot
// be read (read false) is named in one box, once until it reads again (read
// true), however many readers find it so.
void noteRegistryRead(const std::string& file, bool read);

// The box that reports a failed write of a registry file.
void showWriteFailed(const std::string& file);
