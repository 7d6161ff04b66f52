#pragma once
// The process's themed controls in the order they were created.
#include <cstddef>
#include <string>
#include <vector>

namespace vt {

class TTheme;
class TvtControl;

class ControlList {
public:
    std::size_t Count() const { return controls_.size(); }
    TvtControl& Get(std::size_t index) const { return *controls_.at(index); }

    // Used by TvtControl's constructor and destructor only.
    void Add(TvtControl& control);
    void Remove(TvtControl& control);

private:
    std::vector<TvtControl*> controls_;
};

// The process's list, made by the first call (the module's start makes it before any control).
ControlList& ThemedControls();
// The list if it exists; null before the first ThemedControls and after FreeThemedControls.
ControlList* ThemedControlsIfMade();
// Frees the list; the module's end calls it after its controls are gone. A control destroyed
// later finds no list and has nothing to leave.
void FreeThemedControls();

// Each control, in list order, takes over its class (InstallHook does this).
void InstallAllControls();
// Each control forgets its bitmaps (before every theme load).
void ResetAllControls();
// Hands a line of section `section` to every control whose ControlName equals it; false when
// no control has that name.
bool DispatchControlLine(const std::string& section, const std::string& line, TTheme& theme);

}  // namespace vt
