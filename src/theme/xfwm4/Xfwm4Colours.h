#pragma once
// xfwm4's symbolic colours (active_color_1, active_hilight_1, ..., inactive_mid_2, the text and
// border colours) on Windows. xfwm4 fills them from the GTK style of the desktop; here the
// system colours stand in for GTK's states: its "selected" state is the active caption, its
// "insensitive" state the inactive caption, its "normal" state the 3D face of buttons. A base
// colour is the state's background (or its text colour for the *_text_color names), and the
// hilight, shadow and mid names are derived from the background as GTK derives its light, dark
// and mid colours. A theme may set any of the names in its themerc to a colour or to another of
// the names, as xfwm4 lets it.
#include <string>
#include <utility>
#include <vector>

#include "theme/import/SymbolicColours.h"
#include "theme/import/ThemercValues.h"

namespace vt {

// The theme's own values of the names: (name, value) as the themerc wrote them, names in
// xfwm4's spelling.
using ThemeColourDefinitions = std::vector<std::pair<std::string, std::string>>;

// The names the themerc defines (trimmed values; empty ones are left out).
ThemeColourDefinitions FindXfwm4ColourDefinitions(const ThemercValues& values);

class Xfwm4Colours final : public SymbolicColourResolver {
public:
    Xfwm4Colours(const ThemeColourDefinitions& definitions, const SystemColourTable& system)
        : definitions_(definitions), system_(system) {}

    // Names compare ignoring case, as in xfwm4; a name outside xfwm4's list has none.
    std::optional<Colour> Find(const std::string& name) const override;

private:
    Colour FromDesktop(int row) const;
    const std::string* Definition(int row) const;

    const ThemeColourDefinitions& definitions_;
    const SystemColourTable& system_;
};

}  // namespace vt
