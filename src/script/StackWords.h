#pragma once
// Stack shuffling and return-stack transfer.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( a -- a a )
class TDUP final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // in place when no String or growth is involved
    TForthObject* Execute() override;
};

// ( a -- )
class TDROP final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // in place when no String or growth is involved
    TForthObject* Execute() override;
};

// ( a b -- b a )
class TSWAP final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // in place when no String or growth is involved
    TForthObject* Execute() override;
};

// ( a -- ) R: ( -- a )
class TRPush final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- a ) R: ( a -- )
class TRPop final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<TDUP>;
extern template class TNativeReference<TDROP>;
extern template class TNativeReference<TSWAP>;
extern template class TNativeReference<TRPush>;
extern template class TNativeReference<TRPop>;

}  // namespace vt
