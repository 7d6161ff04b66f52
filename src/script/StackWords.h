#pragma once
// Stack shuffling and return-stack transfer.
#include "script/Definition.h"

namespace vt {

// ( a -- a a )
class TDUP : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- )
class TDROP : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a b -- b a )
class TSWAP : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( a -- ) R: ( -- a )
class TRPush : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- a ) R: ( a -- )
class TRPop : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
