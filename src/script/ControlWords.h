#pragma once
// Control-flow words. All but I run while a word is being compiled: they append branch and
// marker elements to its body and keep the open structures on the return stack, where each
// partner checks that it closes the structure it belongs to.
#include "script/Definition.h"

namespace vt {

// ( -- ) compiles a conditional forward branch, opens an IF.
class TIF : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles a branch over the else part; the IF lands after it.
class TELSE : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) the open IF or ELSE lands on the next element compiled.
class TTHEN : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles the start of a counted loop: ( limit start -- ) at run time.
class TDO : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles the end of the counted loop opened by DO.
class TLOOP : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- n ) R: ( n -- n ) the index of the innermost running DO loop.
class TI : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles the start of an open loop.
class TBEGIN : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles a jump back to BEGIN.
class TAGAIN : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles ( flag -- ): back to BEGIN while the flag is false.
class TUNTIL : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
