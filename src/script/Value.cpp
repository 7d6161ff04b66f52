#include "script/Value.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include "script/Engine.h"
#include "script/Limits.h"
#include "script/NumberText.h"

namespace vt {

const char* const kInvalidOperation = "Invalid variant operation";
const char* const kInvalidConversion = "Invalid variant type conversion";
const char* const kDivisionByZero = "Division by zero";
const char* const kStringTooLong = "String too long!";
const char* const kOutOfStringMemory = "Out of script memory: strings would hold more than 32 MiB!";

namespace {

// What one String costs: its bytes and its record, so that many empty strings count too.
std::size_t Footprint(std::size_t length) noexcept { return length + 32; }

}  // namespace

std::size_t StringBytesHeld() noexcept { return detail::running ? detail::running->strings->bytesHeld : 0; }

// An engine is used by one thread at a time and its Strings stay with it, so plain counts
// suffice.
struct Value::StringRep {
    int references;
    std::string text;
    std::shared_ptr<StringBudget> budget;   // the engine that made it, or none
};

Value Value::FromString(const std::string& text) { return FromString(std::string(text)); }

Value Value::FromString(std::string&& text) {
    const std::size_t cost = Footprint(text.size());
    std::shared_ptr<StringBudget> budget;
    if (detail::running) {
        budget = detail::running->strings;
        if (cost > kMaxStringBytes - budget->bytesHeld) throw ScriptError(kOutOfStringMemory);
    }
    Value v;
    v.u_.string = new StringRep{1, std::move(text), std::move(budget)};
    if (v.u_.string->budget) v.u_.string->budget->bytesHeld += cost;
    v.kind_ = Kind::String;
    return v;
}

void Value::RetainString() noexcept { ++u_.string->references; }

void Value::ReleaseString() noexcept {
    if (--u_.string->references == 0) {
        if (u_.string->budget) u_.string->budget->bytesHeld -= Footprint(u_.string->text.size());
        delete u_.string;
    }
}

const std::string& Value::text() const noexcept { return u_.string->text; }

namespace {

[[noreturn]] void Fail(const char* message) { throw ScriptError(message); }

// Empty and the engine's control references take part in no operation.
void RequireOperand(const Value& v) {
    if (v.IsEmpty() || v.IsReference()) Fail(kInvalidOperation);
}

bool IsIntegerLike(const Value& v) { return v.IsInteger() || v.IsBoolean(); }

std::int32_t IntegerOf(const Value& v) {  // Integer or Boolean
    return v.IsInteger() ? v.integer() : (v.boolean() ? -1 : 0);
}

int Order(double a, double b) { return a < b ? -1 : (a == b ? 0 : 1); }
int Order(std::int32_t a, std::int32_t b) { return a < b ? -1 : (a == b ? 0 : 1); }

int CompareBytes(const std::string& a, const std::string& b) {
    std::size_t common = a.size() < b.size() ? a.size() : b.size();
    detail::ChargeBytes(common);
    int order = std::memcmp(a.data(), b.data(), common);  // memcmp compares unsigned bytes
    if (order != 0) return order < 0 ? -1 : 1;
    return Order(std::int32_t(a.size() > b.size()), std::int32_t(b.size() > a.size()));
}

bool ParseBooleanWord(const std::string& text, bool& result) {
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos) return false;
    std::string word = text.substr(first, last - first + 1);
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    if (word == "true") { result = true; return true; }
    if (word == "false") { result = false; return true; }
    return false;
}

enum class ArithmeticOp { Add, Subtract, Multiply };

Value Arithmetic(ArithmeticOp op, const Value& left, const Value& right) {
    RequireOperand(left);
    RequireOperand(right);
    if (IsIntegerLike(left) && IsIntegerLike(right) && !(left.IsBoolean() && right.IsBoolean())) {
        std::int64_t a = IntegerOf(left), b = IntegerOf(right);
        std::int64_t exact = op == ArithmeticOp::Add ? a + b : op == ArithmeticOp::Subtract ? a - b : a * b;
        if (exact == std::int32_t(exact)) return Value::FromInt(std::int32_t(exact));
        // An exact 64-bit result rounds to the same double as the operation redone on reals.
        return Value::FromReal(double(exact));
    }
    if (op == ArithmeticOp::Add && left.IsString() && right.IsString()) {
        // A loop that doubles a string would otherwise take the host's memory before the
        // step budget ends it.
        if (left.text().size() + right.text().size() > kMaxStringLength) Fail(kStringTooLong);
        detail::ChargeBytes(left.text().size() + right.text().size());
        std::string joined;
        joined.reserve(left.text().size() + right.text().size());
        joined.append(left.text()).append(right.text());
        return Value::FromString(std::move(joined));
    }
    double a = left.ToReal(), b = right.ToReal();
    switch (op) {
    case ArithmeticOp::Add: return Value::FromReal(a + b);
    case ArithmeticOp::Subtract: return Value::FromReal(a - b);
    case ArithmeticOp::Multiply: break;
    }
    return Value::FromReal(a * b);
}

// AND, OR and XOR are logical on two Booleans or a Boolean with a String.
bool IsLogicalPair(const Value& a, const Value& b) {
    return (a.IsBoolean() && (b.IsBoolean() || b.IsString())) || (b.IsBoolean() && a.IsString());
}

enum class BitOp { And, Or, Xor };

Value Bitwise(BitOp op, const Value& left, const Value& right) {
    if (IsLogicalPair(left, right)) {
        bool a = left.ToBoolean(), b = right.ToBoolean();
        bool r = op == BitOp::And ? (a && b) : op == BitOp::Or ? (a || b) : (a != b);
        return Value::FromBool(r);
    }
    std::uint32_t a = std::uint32_t(left.ToInteger()), b = std::uint32_t(right.ToInteger());
    std::uint32_t r = op == BitOp::And ? (a & b) : op == BitOp::Or ? (a | b) : (a ^ b);
    return Value::FromInt(std::int32_t(r));
}

}  // namespace

std::int32_t Value::ToInteger() const {
    switch (kind_) {
    case Kind::Integer: return integer();
    case Kind::Boolean: return boolean() ? -1 : 0;
    case Kind::Real:
    case Kind::String: {
        double rounded = RoundHalfEven(ToReal());
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) Fail(kInvalidConversion);
        return std::int32_t(rounded);
    }
    case Kind::Empty:
    case Kind::Reference: break;
    }
    Fail(kInvalidOperation);
}

double Value::ToReal() const {
    switch (kind_) {
    case Kind::Integer: return integer();
    case Kind::Real: return u_.real;
    case Kind::Boolean: return boolean() ? -1.0 : 0.0;
    case Kind::String: {
        detail::ChargeBytes(text().size());
        double r;
        if (!ParseNumber(text(), r)) Fail(kInvalidConversion);
        return r;
    }
    case Kind::Empty:
    case Kind::Reference: break;
    }
    Fail(kInvalidOperation);
}

bool Value::ToBoolean() const {
    if (kind_ == Kind::Boolean) return boolean();
    if (kind_ == Kind::String) {
        detail::ChargeBytes(text().size());
        bool b;
        if (ParseBooleanWord(text(), b)) return b;
    }
    return ToReal() != 0.0;
}

std::string Value::ToText() const {
    switch (kind_) {
    case Kind::Integer: return std::to_string(integer());
    case Kind::Real: return FormatReal(u_.real);
    case Kind::String: detail::ChargeBytes(text().size()); return text();
    case Kind::Boolean: return boolean() ? "True" : "False";
    case Kind::Empty:
    case Kind::Reference: break;
    }
    return std::string();
}

bool Value::IsTrue() const {
    switch (kind_) {
    case Kind::Integer: return u_.integer != 0;
    case Kind::Boolean: return boolean();
    case Kind::Real: return u_.real != 0.0;
    default: return Compare(*this, Value::FromInt(0)) != 0;
    }
}

int Compare(const Value& a, const Value& b) {
    RequireOperand(a);
    RequireOperand(b);
    using K = Value::Kind;
    K ka = a.kind(), kb = b.kind();
    if (ka == K::Integer && kb == K::Integer) return Order(a.integer(), b.integer());
    if (ka == K::String && kb == K::String) return CompareBytes(a.text(), b.text());
    if (IsIntegerLike(a) && IsIntegerLike(b)) {
        if (ka == K::Boolean && kb == K::Boolean) return Order(std::int32_t(a.boolean()), std::int32_t(b.boolean()));
        return Order(IntegerOf(a), IntegerOf(b));
    }
    if ((ka == K::String && kb == K::Boolean) || (ka == K::Boolean && kb == K::String)) {
        return Order(std::int32_t(a.ToBoolean()), std::int32_t(b.ToBoolean()));
    }
    return Order(a.ToReal(), b.ToReal());
}

Value Add(const Value& left, const Value& right) { return Arithmetic(ArithmeticOp::Add, left, right); }
Value Subtract(const Value& left, const Value& right) { return Arithmetic(ArithmeticOp::Subtract, left, right); }

Value Multiply(const Value& left, const Value& right) { return Arithmetic(ArithmeticOp::Multiply, left, right); }

Value Divide(const Value& left, const Value& right) {
    std::int32_t a = left.ToInteger(), b = right.ToInteger();
    if (b == 0) Fail(kDivisionByZero);
    // The one quotient that leaves 32 bits wraps as the 32-bit operation does (instead of
    // trapping, as the processor's divide would).
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1) return Value::FromInt(a);
    return Value::FromInt(a / b);
}

Value BitAnd(const Value& left, const Value& right) { return Bitwise(BitOp::And, left, right); }
Value BitOr(const Value& left, const Value& right) { return Bitwise(BitOp::Or, left, right); }
Value BitXor(const Value& left, const Value& right) { return Bitwise(BitOp::Xor, left, right); }

Value Not(const Value& v) {
    if (v.IsBoolean()) return Value::FromBool(!v.boolean());
    return Value::FromInt(std::int32_t(~std::uint32_t(v.ToInteger())));
}

Value ShiftLeftOne(const Value& v) {
    return Value::FromInt(std::int32_t(std::uint32_t(v.ToInteger()) << 1));
}

Value ShiftRightOne(const Value& v) {
    return Value::FromInt(std::int32_t(std::uint32_t(v.ToInteger()) >> 1));
}

Value Negate(const Value& v) { return Subtract(Value::FromInt(0), v); }

}  // namespace vt
