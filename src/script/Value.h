#pragma once
// The one dynamically typed value of the script engine: stack entries, cells and literals.
// Small (16 bytes) and cheap to copy for the kinds that loops use; Strings are immutable and
// shared by reference count, so copying one does not copy its bytes.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vt {

class TForthObject;

class Value {
public:
    // Reference is the engine's own: the compile-time control entries (IF, ELSE, DO, BEGIN)
    // carry the element they compiled, so a partner can tell them from a value put there by >R.
    enum class Kind : std::uint8_t { Empty, Integer, Real, String, Boolean, Reference };

    Value() noexcept : kind_(Kind::Empty) { u_.integer = 0; }
    static Value FromInt(std::int32_t n) noexcept { Value v; v.kind_ = Kind::Integer; v.u_.integer = n; return v; }
    static Value FromReal(double r) noexcept { Value v; v.kind_ = Kind::Real; v.u_.real = r; return v; }
    static Value FromBool(bool b) noexcept { Value v; v.kind_ = Kind::Boolean; v.u_.integer = b; return v; }
    static Value FromString(const std::string& text);
    static Value FromString(std::string&& text);   // takes the bytes over without a copy
    static Value FromReference(TForthObject* element) noexcept {
        Value v; v.kind_ = Kind::Reference; v.u_.element = element; return v;
    }

    Value(const Value& other) noexcept : kind_(other.kind_), u_(other.u_) { Retain(); }
    // A copy for the stacks' fast paths; only for values that are not Strings.
    struct PlainCopy {};
    Value(PlainCopy, const Value& other) noexcept : kind_(other.kind_), u_(other.u_) {}
    Value(Value&& other) noexcept : kind_(other.kind_), u_(other.u_) { other.kind_ = Kind::Empty; }
    Value& operator=(const Value& other) noexcept {
        if (this != &other) { Value copy(other); Swap(copy); }
        return *this;
    }
    Value& operator=(Value&& other) noexcept {
        if (this != &other) { Release(); kind_ = other.kind_; u_ = other.u_; other.kind_ = Kind::Empty; }
        return *this;
    }
    ~Value() { Release(); }

    Kind kind() const noexcept { return kind_; }
    bool IsEmpty() const noexcept { return kind_ == Kind::Empty; }
    bool IsInteger() const noexcept { return kind_ == Kind::Integer; }
    bool IsReal() const noexcept { return kind_ == Kind::Real; }
    bool IsString() const noexcept { return kind_ == Kind::String; }
    bool IsBoolean() const noexcept { return kind_ == Kind::Boolean; }
    bool IsReference() const noexcept { return kind_ == Kind::Reference; }

    // Raw contents; valid only for the matching kind.
    std::int32_t integer() const noexcept { return std::int32_t(u_.integer); }
    double real() const noexcept { return u_.real; }
    bool boolean() const noexcept { return u_.integer != 0; }
    const std::string& text() const noexcept;
    TForthObject* element() const noexcept { return u_.element; }

    // Conversions; each throws ScriptError with the value error texts.
    std::int32_t ToInteger() const;   // Reals rounded to nearest, ties to even
    double ToReal() const;
    bool ToBoolean() const;           // Strings: "true"/"false" in any case, or a number
    std::string ToText() const;       // what DISP shows

    // False exactly when the value compares equal to the Integer 0.
    bool IsTrue() const;

    // Replaces the value in place (the loop words update stack entries without a pop and push).
    void SetInteger(std::int32_t n) noexcept { Release(); kind_ = Kind::Integer; u_.integer = n; }
    void SetBoolean(bool b) noexcept { Release(); kind_ = Kind::Boolean; u_.integer = b; }

    void Swap(Value& other) noexcept {
        Kind k = kind_; kind_ = other.kind_; other.kind_ = k;
        Payload p = u_; u_ = other.u_; other.u_ = p;
    }

private:
    struct StringRep;
    // Integers and Booleans are kept at the full width of the payload, so that a value just
    // written is copied whole by the next word without a partial-store stall.
    union Payload {
        std::int64_t integer;   // Integer (within 32 bits), Boolean (0 or 1)
        double real;
        StringRep* string;
        TForthObject* element;
    };

    void Retain() noexcept { if (kind_ == Kind::String) RetainString(); }
    void Release() noexcept { if (kind_ == Kind::String) ReleaseString(); }
    void RetainString() noexcept;
    void ReleaseString() noexcept;

    Kind kind_;
    Payload u_;
};

// Messages of the three value errors.
extern const char* const kInvalidOperation;    // "Invalid variant operation"
extern const char* const kInvalidConversion;   // "Invalid variant type conversion"
extern const char* const kDivisionByZero;      // "Division by zero"
extern const char* const kStringTooLong;       // a concatenation past kMaxStringLength
extern const char* const kOutOfStringMemory;   // an engine's Strings together past kMaxStringBytes

// The bytes an engine's Strings hold together (each counted once, however many copies share
// it). Each engine has its own; a String made while no engine runs (a host's own) counts in none.
struct StringBudget {
    std::size_t bytesHeld = 0;
};

// The running engine's StringBudget's bytes; 0 while no engine runs.
std::size_t StringBytesHeld() noexcept;

// Three-way comparison by the kinds of both operands: negative, 0 or positive.
int Compare(const Value& a, const Value& b);

// Arithmetic. Operands are named as the words see them: `left op right`.
Value Add(const Value& left, const Value& right);       // two Strings join as left's text, then right's
Value Subtract(const Value& left, const Value& right);
Value Multiply(const Value& left, const Value& right);
Value Divide(const Value& left, const Value& right);    // integer quotient, toward zero
Value BitAnd(const Value& left, const Value& right);    // logical for Boolean/String pairs
Value BitOr(const Value& left, const Value& right);
Value BitXor(const Value& left, const Value& right);
Value Not(const Value& v);
Value ShiftLeftOne(const Value& v);    // within 32 bits, top bit lost
Value ShiftRightOne(const Value& v);   // logical: the pattern as unsigned
Value Negate(const Value& v);

}  // namespace vt
