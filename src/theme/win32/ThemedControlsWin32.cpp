#include "theme/win32/ThemedControlsWin32.h"

#include <memory>

#include "theme/win32/TvtButtonWin32.h"

namespace vt {
namespace {

std::unique_ptr<TvtButtonWin32>& ThemedButton() {
    static std::unique_ptr<TvtButtonWin32> button;
    return button;
}

}  // namespace

void StartThemedControls() {
    if (!ThemedButton()) ThemedButton() = std::make_unique<TvtButtonWin32>();
}

void EndThemedControls() { ThemedButton().reset(); }

}  // namespace vt
