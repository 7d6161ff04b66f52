#pragma once
// An IceWM theme file (default.theme and its variants) read as IceWM reads its options: one
// `Key=value` per line, blanks allowed around the "=", the value a word or a quoted string
// ("..." with \" inside, or '...'), a backslash keeping the next character, and everything after
// the value ignored (`BorderSizeX=12 # 0-128`). Lines starting with # are comments. Keys mind
// letter case, as IceWM's do; when a key is given twice the last line counts.
#include <string>
#include <unordered_map>
#include <vector>

namespace vt {

struct IceWmValue {
    std::string text;
    int line = 0;  // 1-based; 0: absent
};

// Whether the line opens a section ("[NAME]", after blanks), as native themes do and IceWM's never do.
bool IsSectionHeaderLine(const std::string& line);

class IceWmValues {
public:
    explicit IceWmValues(const std::vector<std::string>& lines);

    IceWmValue Find(const std::string& key) const;
    bool Has(const std::string& key) const { return Find(key).line != 0; }
    // Whether some key satisfies the test.
    template <typename Test>
    bool AnyKey(Test&& test) const {
        for (const auto& entry : entries_)
            if (test(entry.first)) return true;
        return false;
    }
private:
    std::unordered_map<std::string, IceWmValue> entries_;
};

}  // namespace vt
