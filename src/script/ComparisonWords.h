#pragma once
// Comparison words: ( a b -- flag ), a Boolean from comparing a with b by the kinds of both.
#include "script/Definition.h"

namespace vt {

// ( a b -- a>b )
class TGreater : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a<b )
class TLess : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a=b )
class TEqual : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a>=b )
class TGreaterEqual : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a<=b )
class TLessEqual : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- a<>b )
class TNotEqual : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
