#pragma once
// A themerc (kwm's and xfwm4's theme files alike) read as a key=value list: keys ignore case and
// section headers play no part; the first line whose text before its first "=" equals the key
// gives the value, with the 1-based number of that line for error messages. Nothing is
// trimmed, so "Key = value" does not define Key.
#include <string>
#include <vector>

namespace vt {

struct ThemercValue {
    std::string text;
    int line = 0;  // 0: absent, or a default
};

class ThemercValues {
public:
    explicit ThemercValues(const std::vector<std::string>& lines);

    ThemercValue Find(const std::string& key) const;
    // The value, or the default (line 0) when it is empty.
    ThemercValue FindOr(const std::string& key, const std::string& fallback) const;
    // Whether any key satisfies the test (given the upper-cased key).
    template <typename Test>
    bool AnyKey(Test&& test) const {
        for (const Entry& entry : entries_)
            if (test(entry.key)) return true;
        return false;
    }

private:
    struct Entry {
        std::string key;  // upper case
        ThemercValue value;
    };
    std::vector<Entry> entries_;
};

}  // namespace vt
