#pragma once
// Comparison words: ( a b -- flag ), a Boolean from comparing a with b by the kinds of both.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( a b -- a>b )
class TGreater final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a b -- a<b )
class TLess final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a b -- a=b )
class TEqual final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a b -- a>=b )
class TGreaterEqual final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a b -- a<=b )
class TLessEqual final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a b -- a<>b )
class TNotEqual final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

extern template class TNativeReference<TGreater>;
extern template class TNativeReference<TLess>;
extern template class TNativeReference<TEqual>;
extern template class TNativeReference<TGreaterEqual>;
extern template class TNativeReference<TLessEqual>;
extern template class TNativeReference<TNotEqual>;

}  // namespace vt
