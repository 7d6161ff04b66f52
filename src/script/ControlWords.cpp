#include "script/ControlWords.h"

#include <memory>

#include "script/Branches.h"
#include "script/Compiler.h"
#include "script/Engine.h"
#include "script/StackFastPaths.h"

namespace vt {
namespace {

// Compiles `element` and leaves it open on the return stack for its partner.
template <class TElement>
TElement* AppendOpen(std::unique_ptr<TElement> element) {
    TElement* raw = element.release();
    Append(raw);   // the body owns it from here, whatever happens next
    PushReturn(Value::FromReference(raw));
    return raw;
}

// Pops the structure a closing word closes; refuses anything its partner did not leave there
// (another structure, or a value put on the return stack by >R).
template <class TElement, class Accept>
TElement* PopOpen(const char* mismatch, Accept accept) {
    Value entry = PopReturn();
    TElement* element = entry.IsReference() ? dynamic_cast<TElement*>(entry.element()) : nullptr;
    if (!element || !accept(*element)) Error(mismatch);
    return element;
}

// Compiles the branch that closes the loop of `marker`, with what a jump back costs: the
// elements from the marker to the branch, or to the end of the marker's body when the branch
// landed in another word (a word created inside the loop takes what is compiled after it).
void AppendLoopBranch(TLoopBranch* branch) {
    Append(branch);
    std::int32_t steps = 0;
    for (TForthObject* e = branch->target; e; e = e->next) {
        steps += e->steps;
        if (e == branch) break;
    }
    branch->loopSteps = steps;
}

bool AnyBranch(const TBranch&) { return true; }
bool IfBranch(const TBranch& b) { return dynamic_cast<const TIfBranch*>(&b) != nullptr; }
bool DoMarker(const TMarker& m) { return m.isDo; }
bool BeginMarker(const TMarker& m) { return !m.isDo; }

}  // namespace

TForthObject* TIF::Execute() {
    AppendOpen(std::make_unique<TIfBranch>());
    return nullptr;
}

TForthObject* TELSE::Execute() {
    TBranch* ifBranch = PopOpen<TBranch>("ELSE without a matching IF!", IfBranch);
    AppendOpen(std::make_unique<TBranch>());
    Compiler()->pendingBranches.push_back(ifBranch);
    return nullptr;
}

TForthObject* TTHEN::Execute() {
    TBranch* branch = PopOpen<TBranch>("THEN without a matching IF or ELSE!", AnyBranch);
    Compiler()->pendingBranches.push_back(branch);
    return nullptr;
}

TForthObject* TDO::Execute() {
    Append(new TToR());
    AppendOpen(std::make_unique<TMarker>(true));
    return nullptr;
}

TForthObject* TLOOP::Execute() {
    TMarker* marker = PopOpen<TMarker>("LOOP without a matching DO!", DoMarker);
    AppendLoopBranch(new TLoopBranch(marker));
    return nullptr;
}

bool TI::Fast(detail::EngineState& e, Value*& top) { return detail::PushLoopIndex(e, top); }

TForthObject* TI::Execute() {
    // Copies the top of the return stack (the same as popping it and pushing it back).
    const ValueStack& returns = engine().returnStack;
    if (returns.Empty()) detail::ReturnStackUnderflow();
    Push(returns.Top());
    return nullptr;
}

TForthObject* TBEGIN::Execute() {
    AppendOpen(std::make_unique<TMarker>(false));
    return nullptr;
}

TForthObject* TAGAIN::Execute() {
    TMarker* marker = PopOpen<TMarker>("AGAIN without a matching BEGIN!", BeginMarker);
    AppendLoopBranch(new TAGAINBranch(marker));
    return nullptr;
}

TForthObject* TUNTIL::Execute() {
    TMarker* marker = PopOpen<TMarker>("UNTIL without a matching BEGIN!", BeginMarker);
    AppendLoopBranch(new TUNTILBranch(marker));
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TIF>;
template class TNativeReference<TELSE>;
template class TNativeReference<TTHEN>;
template class TNativeReference<TDO>;
template class TNativeReference<TLOOP>;
template class TNativeReference<TI>;
template class TNativeReference<TBEGIN>;
template class TNativeReference<TAGAIN>;
template class TNativeReference<TUNTIL>;

}  // namespace vt
