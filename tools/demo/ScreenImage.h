#pragma once
// The whole screen written to a file, as the demo's screenshots.
#include <string>

namespace vt::demo {

// The screen as a 24-bit BMP at `path`; false when it could not be taken or written.
bool SaveScreen(const std::string& path);

}  // namespace vt::demo
