#pragma once
// vttheme render: the theme loaded as the module loads it, its load errors printed as for check,
// and a picture of a window framed by it written as a PNG (see RenderOptions.h). Win32 only.
#include <string>
#include <vector>

#include "theme/ThemeInspector.h"

namespace vt {

// `args`: what follows "render". Exit status: 0 when the picture was written and every line
// loaded, 1 when lines failed (the picture is still written when the theme has elements), 2 for
// a usage error (an unknown element included), 3 when the picture could not be made or written.
// With --watch it renders again at every save of the theme or its images until Ctrl+C (then 0).
int RenderCommand(const std::vector<std::string>& args, const std::vector<WordRegistration>& extraWords);

}  // namespace vt
