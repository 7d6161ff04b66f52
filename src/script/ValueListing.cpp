#include "script/ValueListing.h"

#include "script/ValueStack.h"
#include "script/NumberText.h"

namespace vt {

std::string ListValue(const Value& v, std::size_t maxStringBytes) {
    switch (v.kind()) {
    case Value::Kind::Empty: return "empty";
    case Value::Kind::Integer: return std::to_string(v.integer());
    case Value::Kind::Real: return FormatReal(v.real());
    case Value::Kind::String: {
        const std::string& text = v.text();
        if (text.size() <= maxStringBytes) return '"' + text + '"';
        return '"' + text.substr(0, maxStringBytes) + "\"...(" + std::to_string(text.size()) + " bytes)";
    }
    case Value::Kind::Boolean: return v.boolean() ? "true" : "false";
    case Value::Kind::Reference: break;
    }
    return "<control>";   // an open IF/DO/BEGIN fetched from the return stack at compile time
}

std::string ListStack(const ValueStack& stack, std::size_t maxStringBytes, std::size_t maxValues) {
    std::string text;
    std::size_t first = 0;
    if (stack.Size() > maxValues) {
        first = stack.Size() - maxValues;
        text = " [" + std::to_string(first) + " more]";
    }
    for (std::size_t i = first; i < stack.Size(); ++i) text += ' ' + ListValue(stack.At(i), maxStringBytes);
    return text;
}

}  // namespace vt
