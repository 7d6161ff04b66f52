#pragma once
// Arithmetic and logic words. Stack effects name the first value popped (the top) b.
#include "script/Definition.h"

namespace vt {

// ( a b -- b+a ) Two Strings join as b's text followed by a's.
class TAdd : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a-b )
class TSub : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b*a )
class TMult : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a/b ) Integer quotient, truncated toward zero.
class TDiv : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- a+1 )
class TInc : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- a-1 )
class TDec : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- n ) Shifted left one bit within 32 bits.
class T2Mult : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- n ) Shifted right one bit as an unsigned pattern.
class T2Div : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b&a ) Bitwise, or logical for two Booleans or a Boolean and a String.
class TAnd : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b|a )
class TOr : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b^a )
class TXor : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- ~a ) Logical for a Boolean, all 32 bits inverted otherwise.
class Tnot : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
