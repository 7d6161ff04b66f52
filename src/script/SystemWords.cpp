#include "script/SystemWords.h"

#include "common/Notice.h"
#include "script/Engine.h"
#include "script/Random.h"

namespace vt {

TForthObject* TBEEP::Execute() {
    PlayBeep(1000, 100);
    return nullptr;
}

TForthObject* TDISP::Execute() {
    ShowNotice("Tarnforth", Pop().ToText(), kNoticeOk);
    return nullptr;
}

TForthObject* TRand::Execute() {
    std::uint32_t n = std::uint32_t(Pop().ToInteger());
    Push(Value::FromInt(std::int32_t(NextRandom(n))));
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TBEEP>;
template class TNativeReference<TDISP>;
template class TNativeReference<TRand>;

}  // namespace vt
