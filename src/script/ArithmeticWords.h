#pragma once
// Arithmetic and logic words. Stack effects name the first value popped (the top) b.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( a b -- b+a ) Two Strings join as b's text followed by a's.
class TAdd final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a b -- a-b )
class TSub final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a b -- b*a )
class TMult final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a b -- a/b ) Integer quotient, truncated toward zero.
class TDiv final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- a+1 )
class TInc final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a -- a-1 )
class TDec final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    TForthObject* Execute() override;
};

// ( a -- n ) Shifted left one bit within 32 bits.
class T2Mult final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- n ) Shifted right one bit as an unsigned pattern.
class T2Div final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b&a ) Bitwise, or logical for two Booleans or a Boolean and a String.
class TAnd final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a b -- b|a )
class TOr final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a b -- b^a )
class TXor final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // Integers in place
    static bool FastWith(detail::EngineState& e, Value* top, std::int32_t operand);   // the same with the top operand given
    TForthObject* Execute() override;
};

// ( a -- ~a ) Logical for a Boolean, all 32 bits inverted otherwise.
class Tnot final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<TAdd>;
extern template class TNativeReference<TSub>;
extern template class TNativeReference<TMult>;
extern template class TNativeReference<TDiv>;
extern template class TNativeReference<TInc>;
extern template class TNativeReference<TDec>;
extern template class TNativeReference<T2Mult>;
extern template class TNativeReference<T2Div>;
extern template class TNativeReference<TAnd>;
extern template class TNativeReference<TOr>;
extern template class TNativeReference<TXor>;
extern template class TNativeReference<Tnot>;
extern template class TLiteralOperation<TAdd>;
extern template class TLiteralOperation<TSub>;
extern template class TLiteralOperation<TMult>;
extern template class TLiteralOperation<TAnd>;
extern template class TLiteralOperation<TOr>;
extern template class TLiteralOperation<TXor>;

}  // namespace vt
