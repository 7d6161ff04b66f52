#pragma once
// What the demo says: each line to stdout and to the log file (a program a Wine desktop starts
// may have no console).
#include <string>

namespace vt::demo {

// Lines go to this file from now on too; false when it cannot be written.
bool OpenLog(const std::string& path);
void CloseLog();
void Say(const std::string& line);

}  // namespace vt::demo
