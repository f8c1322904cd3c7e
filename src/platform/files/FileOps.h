#pragma once
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
bool writeFileAtomic(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
bool makeFolder(const std::string& path);          // with parents; true when it exists afterwards
bool copyFile(const std::string& from, const std::string& to); // replaces "to" atomically
bool removeFile(const std::string& path);          // true when the file is gone afterwards
bool renameFile(const std::string& from, const std::string& to); // atomic replacement of "to"
std::string joinPath(const std::string& folder, const std::string& name); // with "/"

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
};
// Arms a fault; it fires on the next `count` matching operations (-1 = until cleared)
// whose target path contains `pathPart` (empty = any path).
void arm(Kind kind, long bytes = 0, int count = 1, std::string pathPart = {});
void clear();
// Used by the operations themselves.
bool shouldFail(Kind kind, const std::string& path, long* bytes = nullptr);
} // namespace fault

} // namespace files
