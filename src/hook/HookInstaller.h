#pragma once
// What the three exports do, in the controller's process.
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// Sets the system-wide hook when the registry's `Enabled` says so, and lets the themed controls
// take over their classes in this process.
void InstallHook();
// Gives every window its procedure back, here and (through "Veltrane Unhook") in every other
// process, and removes the hook.
void RemoveHook();
// Copies the theme information, each line ended by CR LF, into the caller's buffer of `size`
// bytes (only the low 16 bits count): zero-filled, at most size - 1 characters, terminated.
void GetThemeInfo(char* buffer, std::uint32_t size);
// The copy GetThemeInfo makes, from the given lines.
void CopyThemeInfo(const std::vector<std::string>& lines, char* buffer, std::uint32_t size);

}  // namespace vt
