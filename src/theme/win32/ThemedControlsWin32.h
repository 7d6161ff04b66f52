#pragma once
// The module's themed controls: created when the module starts in a process, installed by
// InstallHook (InstallAllControls), destroyed (and so uninstalled) when the module ends.
namespace vt {

void StartThemedControls();  // creates the themed push button, which lists itself
void EndThemedControls();    // destroys it

}  // namespace vt
