#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Plain file and folder operations. Every write goes to a temporary file in
// the same folder, is flushed and renamed over the old one, so a crash or a
// full disk leaves either the old file or the new one.
namespace files {

// Why a read gave no bytes: Missing when there is no regular file at the
// path (what fileExists says), Unreadable when there is one that could not
// be read.
enum class ReadFailure { None, Missing, Unreadable };
// The raw bytes; nullopt when there are none, and why in `failure`.
std::optional<std::string> readFile(const std::string& path, ReadFailure* failure = nullptr);
// The same into `bytes`, whose storage is reused: a reader of many files
// allocates only for a file larger than any before. False when there are no
// bytes (`bytes` then holds nothing).
bool readFileInto(const std::string& path, std::string& bytes, ReadFailure* failure = nullptr);
// Replaces a file through a temporary one renamed over it; false, leaving it
// as it was, when the write fails or the file is read-only.
bool writeFileAtomic(const std::string& path, std::string_view bytes);
// Writes a file that must not exist yet, flushed to disk: a symbolic link or
// any other file already at the path makes it fail, and nothing is ever
// written through a link or into a file someone else put there. A failed
// write removes what it made.
bool createFile(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);
// Whether a file that is there may not be changed: it is marked read-only
// (no write permission at all, which holds for every user) or this process
// may not write it. Replacing or deleting it would go round that protection.
bool isReadOnly(const std::string& path);
// Whether the regular file at the path opens for reading (its bytes are not
// read); false when there is none.
bool fileOpens(const std::string& path);
bool folderExists(const std::string& path);
bool makeFolder(const std::string& path);          // with parents; true when it exists afterwards
// Copies `from` (never through a link) into a new file `to`, as createFile does.
bool copyFile(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);          // true when the file is gone afterwards
// Atomic replacement of "to"; false, leaving it as it was, when it is read-only.
bool renameFile(const std::string& from, const std::string& to);
std::string joinPath(const std::string& folder, const std::string& name); // with "/"

// The length of a UTF-8 byte-order mark at the start of a file's bytes (3),
// or 0. Some editors put one there; readers skip it, so that it never hides
// the first line.
std::size_t byteOrderMarkLength(std::string_view bytes);

// Whether a file name is one that writeFileAtomic gives its temporary file:
// "." + the file's own name + "." + six letters or digits.
bool isAtomicWriteTemporary(std::string_view name);
// Removes from a folder the temporary files of atomic writes that never
// finished (the process was killed mid-write). Only regular files with such
// names go; a single instance of the program calls it before it writes.
void removeInterruptedWrites(const std::string& folder);

// Test hook: make the next file operations fail the way a full disk or a
// broken folder would. Tests run as root, so permissions cannot do it.
namespace fault {
enum class Kind {
    None,
    WriteAfterBytes, // a write fails once `bytes` bytes are written
    Flush,           // flushing the temporary file fails
    Rename,          // the final rename fails
    Copy,            // a copy fails
    Remove,          // a delete fails
    Open,            // opening a file fails, as for one owned by another user
};
// Arms a fault; it fires on the next `count` matching operations (-1 = until cleared)
// whose target path contains `pathPart` (empty = any path).
void arm(Kind kind, long bytes = 0, int count = 1, std::string pathPart = {});
void clear();
// Used by the operations themselves.
bool shouldFail(Kind kind, const std::string& path, long* bytes = nullptr);
} // namespace fault

// Test hook: counts the whole-file reads (readFile, readFileInto) of paths
// that contain `pathPart`, from the call on.
namespace probe {
void countReads(std::string pathPart);
long reads();
// Used by the reads themselves.
void noteRead(const std::string& path);
} // namespace probe

} // namespace files
