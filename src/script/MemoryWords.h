#pragma once
// The cell memory: HERE, ALLOT, @ and !. Addresses are indexes into the engine's cells.
#include "script/Definition.h"

namespace vt {

// ( -- n ) The number of cells allotted.
class THere : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( n -- ) Moves HERE by n; the memory is resized to exactly HERE cells, new cells Empty.
class TALLOT : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( addr -- v ) A copy of the cell's value.
class TFetch : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( v addr -- ) Stores a copy of v in the cell.
class TStore : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
