#pragma once
// The files vtctl edits beside the module, read whole and replaced whole.
#include <string>

namespace vt::ctl {

// The file's bytes; false (with the reason) when it exists but cannot be read. A missing file
// reads as empty.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& error);
// Writes a temporary file in the same folder and renames it over `path`, so that a crash leaves
// either the old file or the new one, never half of one.
bool ReplaceFileAtomically(const std::string& path, const std::string& text, std::string& error);

}  // namespace vt::ctl
