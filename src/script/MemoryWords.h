#pragma once
// The cell memory: HERE, ALLOT, @ and !. Addresses are indexes into the engine's cells.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- n ) The number of cells allotted.
class THere final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( n -- ) Moves HERE by n; the memory is resized to exactly HERE cells, new cells Empty.
class TALLOT final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( addr -- v ) A copy of the cell's value.
class TFetch final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( v addr -- ) Stores a copy of v in the cell.
class TStore final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<THere>;
extern template class TNativeReference<TALLOT>;
extern template class TNativeReference<TFetch>;
extern template class TNativeReference<TStore>;

}  // namespace vt
