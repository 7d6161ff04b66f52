#pragma once
// Words that start and end definitions and build words: : ; CREATE DOES (LIT) IMMEDIATE.
#include "script/Definition.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- ) the next token names a new colon definition.
class TColon final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) ends the colon definition.
class TSemi final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) makes a word with an empty body, named by the next token of the line.
class TCREATE final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) does nothing; it stands between CREATE and (LIT) in VARIABLE and CONSTANT.
class TDoes final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( v -- ) compiles v as a literal into the newest word.
class TLIT final : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) makes the newest word run even while compiling.
class TImmediate final : public TDefinition {
public:
    TForthObject* Execute() override;
};

extern template class TNativeReference<TColon>;
extern template class TNativeReference<TSemi>;
extern template class TNativeReference<TCREATE>;
extern template class TNativeReference<TDoes>;
extern template class TNativeReference<TLIT>;
extern template class TNativeReference<TImmediate>;

}  // namespace vt
