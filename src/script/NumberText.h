#pragma once
// Numbers as text, independent of the host process's locale and rounding mode (the engine runs
// inside foreign programs, which may have changed either).
#include <string>

namespace vt {

// Reads a String value as a number: optional blanks (space, tab), an optional sign, decimal
// digits with an optional fraction (".5", "5." and "5.25" all read), an optional exponent
// ("1e3", "2.5E-2"), optional blanks. Anything else (hex, thousands separators, "inf", an empty
// text) is refused. Returns false when the text is not such a number or is out of range.
bool ParseNumber(const std::string& text, double& result);

// The shortest decimal that reads back to the same double, always with a "." so that it reads
// as a real: 15.0, 0.5, 2147483648.0, 1.0e+300. Infinities and NaN as inf, -inf, nan.
std::string FormatReal(double value);

// Rounds to the nearest integer, ties to even, without the floating-point environment.
double RoundHalfEven(double value);

}  // namespace vt
