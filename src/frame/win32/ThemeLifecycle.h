#pragma once
// The process's theme as the module's start and end, the controller's theme changes and its
// questions drive it.
#include <string>
#include <vector>

namespace vt {

class ThemeLifecycle {
public:
    virtual ~ThemeLifecycle() = default;

    // Start: the theme information, the first load, the repaint message. End: everything
    // released. SwitchTheme: unload, then load from the configuration again (on "Veltrane Theme
    // Changed").
    virtual void Start() = 0;
    virtual void End() = 0;
    virtual void SwitchTheme() = 0;
    // The process's theme came from themes.cfg: it ignores theme changes.
    virtual bool ThemePinned() const = 0;
    // The lines of the theme's [INFO] section.
    virtual std::vector<std::string> ThemeInfo() const = 0;
};

}  // namespace vt
