#pragma once
// The module's themed controls: created when the module starts in a process, installed by
// InstallHook (InstallAllControls), destroyed (and so uninstalled) by a real unload; a process
// that exits leaves them be.
namespace vt {

void StartThemedControls();  // creates the themed push button, which lists itself
void EndThemedControls();    // destroys it (its class given back), then the list

}  // namespace vt
