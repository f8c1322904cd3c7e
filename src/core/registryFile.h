#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/ProfileText.h"

// Writing the registry files (players, affiliations, series, courses) and the
// region history. One operation's values go into the file in one atomic
// replacement, so a failed write leaves the file exactly as it was and the
// window can keep memory, list and file agreeing.

using IniValue = files::ProfileValue;

// Writes the values in order, as the same number of value-layer writes would,
// but all or nothing. False when the file could not be written (or exists
// and cannot be read); the old file is then untouched.
bool writeIniValues(const std::string& file, const std::vector<IniValue>& values);

// The number a new entry takes: the counter's number (the number at the
// start of its text, 0 when none) rounded, plus 1. At the highest usable
// number, 32767, adding is refused with a message and nullopt comes back.
std::optional<int16_t> nextRegistryNumber(const std::string& file, const std::string& counterKey);

// The counter of a registry as its listing loop uses it: 0 to 32767.
int16_t registryCount(const std::string& file, const std::string& counterKey);

// The box that reports a failed write of a registry file.
void showWriteFailed(const std::string& file);
