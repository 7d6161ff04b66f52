#pragma once
// Themed controls in the order they were created. The module keeps one for the process (made at
// its start, before the controls that join it, and gone after them).
#include <cstddef>
#include <vector>

namespace vt {

class TvtControl;

class ControlList {
public:
    std::size_t Count() const { return controls_.size(); }
    TvtControl& Get(std::size_t index) const { return *controls_.at(index); }

    // Each control, in list order, takes over its class (InstallHook does this).
    void InstallAll() const;

    // Used by TvtControl's constructor and destructor only.
    void Add(TvtControl& control);
    void Remove(TvtControl& control);

private:
    std::vector<TvtControl*> controls_;
};

}  // namespace vt
