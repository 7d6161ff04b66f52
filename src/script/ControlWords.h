#pragma once
// Control-flow words. All but I run while a word is being compiled: they append branch and
// marker elements to its body and keep the open structures on the return stack, where each
// partner checks that it closes the structure it belongs to.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- ) compiles a conditional forward branch, opens an IF.
class TIF final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles a branch over the else part; the IF lands after it.
class TELSE final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) the open IF or ELSE lands on the next element compiled.
class TTHEN final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles the start of a counted loop: ( limit start -- ) at run time.
class TDO final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles the end of the counted loop opened by DO.
class TLOOP final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- n ) R: ( n -- n ) the index of the innermost running DO loop.
class TI final : public TDefinition {
public:
    static bool Fast(detail::EngineState& e, Value*& top);   // the copy, when no String or growth is involved
    TForthObject* Execute() override;
};

// ( -- ) compiles the start of an open loop.
class TBEGIN final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles a jump back to BEGIN.
class TAGAIN final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) compiles ( flag -- ): back to BEGIN while the flag is false.
class TUNTIL final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<TIF>;
extern template class TNativeReference<TELSE>;
extern template class TNativeReference<TTHEN>;
extern template class TNativeReference<TDO>;
extern template class TNativeReference<TLOOP>;
extern template class TNativeReference<TI>;
extern template class TNativeReference<TBEGIN>;
extern template class TNativeReference<TAGAIN>;
extern template class TNativeReference<TUNTIL>;

}  // namespace vt
