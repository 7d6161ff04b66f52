#pragma once
// Splits a theme content line from the front. Every field of every section is read through
// this one routine, so its quirks are the file format: a token that runs to the end of the line
// leaves it empty, and every token read after that is empty.
#include <string>

namespace vt {

class LineTokenizer {
public:
    explicit LineTokenizer(std::string line) : line_(std::move(line)) {}

    // Skips leading separators, takes the text up to the next separator and drops that one
    // separator. A blank in the set brings the tab along.
    std::string Next(const std::string& separators);
    bool AtEnd() const { return line_.empty(); }

private:
    std::string line_;
};

}  // namespace vt
