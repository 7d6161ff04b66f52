#pragma once
// The words that reach outside the engine: a tone, a message box, random numbers.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- ) a 1000 Hz tone for 100 ms.
class TBEEP final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( v -- ) shows v's text in a box captioned "Tarnforth".
class TDISP final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( n -- r ) 0 <= r < n for n > 0.
class TRand final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<TBEEP>;
extern template class TNativeReference<TDISP>;
extern template class TNativeReference<TRand>;

}  // namespace vt
