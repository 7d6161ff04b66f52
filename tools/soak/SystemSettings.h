#pragma once
// The desktop settings the soak changes (the colour scheme, the display scale of programs started
// next, Wine's crash dialog), remembered at its start and given back at its end.
#include <windows.h>

#include <vector>

#include "SoakRandom.h"

namespace vt::soak {

class SystemSettings {
public:
    SystemSettings();
    ~SystemSettings();
    SystemSettings(const SystemSettings&) = delete;
    SystemSettings& operator=(const SystemSettings&) = delete;

    // New colours for the caption, frame and 3D elements, told to every window (WM_SYSCOLORCHANGE).
    void RandomColourScheme(SoakRandom& random);
    // The scale (LogPixels) of programs started from now on.
    void SetScale(DWORD dpi);
    // The scale the run began with (the soak's own, which its frame measurements assume), until
    // the next SetScale.
    void UseOriginalScale();

private:
    std::vector<int> elements_;
    std::vector<COLORREF> colours_;
    bool hadDpi_ = false;
    DWORD dpi_ = 96;
    bool hadCrashDialog_ = false;
    DWORD crashDialog_ = 1;
};

}  // namespace vt::soak
