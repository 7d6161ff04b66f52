#pragma once
// Registers the built-in words in their fixed order (a later word is nearer the dictionary head).

namespace vt {

void RegisterCoreWords();

}  // namespace vt
