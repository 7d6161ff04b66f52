#pragma once
// Reads whole files for the theme and image readers, which run inside every program the module
// is loaded into. Only regular files are read: a theme may name anything as an image, and
// opening a FIFO blocks until a writer appears, a device (CON, COM1, /dev/zero) may block or
// never end, and a Windows pipe name waits for its server. Any of those would freeze the host
// program's window for ever, so they are refused without being read.
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

enum class FileReadFailure {
    None,
    CannotOpen,      // missing, unreadable (reason says why)
    NotRegular,      // a folder, FIFO, device, socket or pipe
    TooLarge,        // larger than the caller's limit (size says how large)
    CannotRead,      // opened but the read failed or came up short
};

struct FileReadResult {
    FileReadFailure failure = FileReadFailure::None;
    std::string reason;      // the system's text for CannotOpen
    std::int64_t size = 0;   // the file's size when it is known
};

// Whether the name is an existing regular file (narrow name in the ANSI code page on Windows).
bool FileExists(const std::string& name);

// Reads the file at `path` into `bytes` when it is a regular file of at most maxSize bytes.
// The size is checked before anything is allocated.
FileReadResult ReadRegularFile(const std::string& path, std::int64_t maxSize, std::string& bytes);
FileReadResult ReadRegularFile(const std::string& path, std::int64_t maxSize, std::vector<std::uint8_t>& bytes);

}  // namespace vt
