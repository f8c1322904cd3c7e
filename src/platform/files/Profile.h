#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/ProfileText.h"

// Profile-string access to INI text files in code page 932: section and key
// names match without regard to ASCII case, blanks around names and values are
// trimmed, quotes are kept. Reads of an unchanged file reuse its parsed form.
namespace files {

class ProfileText;

// A run of reads in one synchronous go (listing the stored games: some thirty
// values from each of thousands of files). While one is alive, a file is
// checked against the disk (its identity, and its bytes while its time is
// recent) on its first read only; later reads of it answer from its parsed
// form without touching the disk. Our own writes count at once: what a write
// puts in the file is what the batch's later reads and writes see. A write
// in the batch checks the file's identity first (a file replaced or removed
// is read anew) but not its bytes. So one operation on a file (a registry
// add: its counter and sections read, its values written) reads it once.
// Safe because the program is a single instance and a batch covers one loop
// that nothing else interrupts and that writes files, if at all, only through
// this layer; a file edited from outside meanwhile is seen by the next batch
// or the next read outside one. Reads outside a batch
// check the file every time. Batches may nest; the outermost one counts.
class ProfileReadBatch {
public:
    ProfileReadBatch();
    ~ProfileReadBatch();
    ProfileReadBatch(const ProfileReadBatch&) = delete;
    ProfileReadBatch& operator=(const ProfileReadBatch&) = delete;
};

// The value, cut to at most `maxBytes` bytes of code page 932 on a character
// boundary; nullopt when the file, section or key is missing.
std::optional<std::string> getProfileString(const std::string& file, const std::string& section,
                                            const std::string& key, std::size_t maxBytes = 255);

// The values of one section, each as getProfileString gives it, from one
// read of the file that stops at the end of that section (the first section
// of a name is the one read). For reading the same few values from many
// files, whose other sections are large (the headers of the stored games).
class ProfileSection {
public:
    // Empty (every value missing) when the file cannot be read.
    ProfileSection(const std::string& file, const std::string& section);
    ~ProfileSection();
    ProfileSection(const ProfileSection&) = delete;
    ProfileSection& operator=(const ProfileSection&) = delete;

    std::optional<std::string> value(const std::string& key, std::size_t maxBytes = 255) const;

private:
    std::string section_;
    std::unique_ptr<ProfileText> text_;
};

// The file's section names as ProfileText::sectionNames gives them: none
// when the file is missing, nullopt when it is there but cannot be read.
std::optional<std::vector<std::string>> getProfileSectionNames(const std::string& file);

// Writes one value (creating file, section and key as needed and replacing in
// place, every other line kept byte for byte). A null key deletes the whole
// section; a null value deletes the key. Returns false when the file could
// not be written; the old file is then left whole.
bool writeProfileString(const std::string& file, const std::string& section,
                        const std::optional<std::string>& key, const std::optional<std::string>& value);

// Writes several values in one replacement of the file: all of them or,
// when it fails, none. The file is as the same values written one by one
// would leave it.
bool writeProfileValues(const std::string& file, const std::vector<ProfileValue>& values);

} // namespace files
