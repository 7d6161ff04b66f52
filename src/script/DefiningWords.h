#pragma once
// Words that start and end definitions and build words: : ; CREATE DOES (LIT) IMMEDIATE.
#include "script/Definition.h"

namespace vt {

// ( -- ) the next token names a new colon definition.
class TColon : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) ends the colon definition.
class TSemi : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) makes a word with an empty body, named by the next token of the line.
class TCREATE : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) does nothing; it stands between CREATE and (LIT) in VARIABLE and CONSTANT.
class TDoes : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( v -- ) compiles v as a literal into the newest word.
class TLIT : public TDefinition {
public:
    TForthObject* Execute() override;
};

// ( -- ) makes the newest word run even while compiling.
class TImmediate : public TDefinition {
public:
    TForthObject* Execute() override;
};

}  // namespace vt
