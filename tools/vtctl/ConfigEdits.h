#pragma once
// Edits of the two files beside the module that a user keeps with vtctl: themes.cfg (one
// PROGRAM.EXE=PATH line per pinned program) and exclude.cfg (entries under [MODULES],
// [WINDOWCLASSES], [NONESTED] and [NOSIZEFIXUPS]). Each edit takes the file's whole text and
// changes only the lines it is about: every other byte (comments, blank lines, line breaks of
// either kind, a missing final line break) comes back as it was. The module reads both files
// with the same rules as here, so what an edit sees is what the module will see.
#include <string>

namespace vt::ctl {

// The line break a file already uses (CR LF when it has none yet: the files live on Windows).
std::string LineBreakOf(const std::string& text);

// Pins `program` to `path`: the first line naming the program (its part before the first '='
// equal without regard to case, as the module looks it up) becomes PROGRAM=PATH; without one,
// the line is appended. Later lines naming the same program are left alone (the module never
// reads past the first).
std::string PinProgram(const std::string& text, const std::string& program, const std::string& path);
// Removes every line naming `program` (a later one would take effect once the first is gone);
// false when there was none.
bool UnpinProgram(std::string& text, const std::string& program);

// Adds `entry` to `section` (MODULES, WINDOWCLASSES, NONESTED or NOSIZEFIXUPS): after the last
// entry of the section's first block, or in a new block at the end. False when the section
// already lists it (compared upper-cased, blanks kept, as the module compares).
bool AddExclusion(std::string& text, const std::string& section, const std::string& entry);
// Removes every line of that section (in any of its blocks) that equals `entry` upper-cased;
// false when none did.
bool RemoveExclusion(std::string& text, const std::string& section, const std::string& entry);

}  // namespace vt::ctl
