#include "script/MemoryWords.h"

#include "script/Engine.h"
#include "script/Forth.h"
#include "script/NumberText.h"

namespace vt {
namespace {

// The cell at `address`, or an error naming the word when it lies outside the memory.
Value& Cell(const char* word, std::int32_t address) {
    std::vector<Value>& memory = Forth()->memory;
    if (address < 0 || std::size_t(address) >= memory.size()) {
        Error(std::string(word) + ": address " + std::to_string(address) + " is outside the cell memory (" +
              std::to_string(memory.size()) + " cells)!");
    }
    return memory[std::size_t(address)];
}

}  // namespace

TForthObject* THere::Execute() {
    Push(Value::FromInt(Forth()->here));
    return nullptr;
}

TForthObject* TALLOT::Execute() {
    TForth* forth = Forth();
    double moved = RoundHalfEven(Add(Value::FromInt(forth->here), Pop()).ToReal());
    if (!(moved >= 0 && moved <= kMaxCells)) {
        Error("ALLOT would move HERE outside 0 to " + std::to_string(kMaxCells) + "!");
    }
    forth->here = std::int32_t(moved);
    forth->memory.resize(std::size_t(forth->here));
    return nullptr;
}

TForthObject* TFetch::Execute() {
    std::int32_t address = Pop().ToInteger();
    Push(Cell("@", address));
    return nullptr;
}

TForthObject* TStore::Execute() {
    Value address = Pop();
    Value v = Pop();
    Cell("!", address.ToInteger()) = std::move(v);
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<THere>;
template class TNativeReference<TALLOT>;
template class TNativeReference<TFetch>;
template class TNativeReference<TStore>;

}  // namespace vt
