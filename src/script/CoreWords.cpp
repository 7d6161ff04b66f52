#include "script/CoreWords.h"

#include "script/ArithmeticWords.h"
#include "script/ComparisonWords.h"
#include "script/ControlWords.h"
#include "script/DefiningWords.h"
#include "script/Engine.h"
#include "script/MemoryWords.h"
#include "script/StackWords.h"
#include "script/SystemWords.h"

namespace vt {

void RegisterCoreWords() {
    constexpr std::uint8_t I = TDefinition::Immediate;
    constexpr std::uint8_t C = TDefinition::CompileOnly;
    RegisterWord<TColon>(":", I);
    RegisterWord<TSemi>(";", I);
    RegisterWord<TAdd>("+");
    RegisterWord<TSub>("-");
    RegisterWord<TMult>("*");
    RegisterWord<TDiv>("/");
    RegisterWord<TDUP>("DUP");
    RegisterWord<TDROP>("DROP");
    RegisterWord<TSWAP>("SWAP");
    RegisterWord<TIF>("IF", I | C);
    RegisterWord<TELSE>("ELSE", I | C);
    RegisterWord<TTHEN>("THEN", I | C);
    RegisterWord<TBEEP>("BEEP");
    RegisterWord<TDISP>("DISP");
    RegisterWord<TDO>("DO", I | C);
    RegisterWord<TLOOP>("LOOP", I | C);
    RegisterWord<TI>("I", C);
    RegisterWord<TBEGIN>("BEGIN", I | C);
    RegisterWord<TAGAIN>("AGAIN", I | C);
    RegisterWord<TUNTIL>("UNTIL", I | C);
    RegisterWord<TCREATE>("CREATE");
    RegisterWord<TDoes>("DOES", C);
    RegisterWord<TALLOT>("ALLOT");
    RegisterWord<TStore>("!");
    RegisterWord<TFetch>("@");
    RegisterWord<TLIT>("(LIT)", C);
    RegisterWord<T2Div>("2/");
    RegisterWord<T2Mult>("2*");
    RegisterWord<TRPush>(">R");
    RegisterWord<TRPop>("R>");
    RegisterWord<TImmediate>("IMMEDIATE", I);
    RegisterWord<THere>("HERE");
    RegisterWord<TGreater>(">");
    RegisterWord<TLess>("<");
    RegisterWord<TEqual>("=");
    RegisterWord<TGreaterEqual>(">=");
    RegisterWord<TLessEqual>("<=");
    RegisterWord<TNotEqual>("<>");
    RegisterWord<TInc>("1+");
    RegisterWord<TDec>("1-");
    RegisterWord<TAnd>("AND");
    RegisterWord<TOr>("OR");
    RegisterWord<TXor>("XOR");
    RegisterWord<Tnot>("NOT");
    RegisterWord<TRand>("RAND");
}

}  // namespace vt
