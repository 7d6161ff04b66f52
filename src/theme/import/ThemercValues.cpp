#include "theme/import/ThemercValues.h"

#include "common/AsciiText.h"

namespace vt {

ThemercValues::ThemercValues(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals == std::string::npos) continue;
        entries_.push_back({UpperCase(lines[i].substr(0, equals)), {lines[i].substr(equals + 1), int(i + 1)}});
    }
}

ThemercValue ThemercValues::Find(const std::string& key) const {
    const std::string wanted = UpperCase(key);
    for (const Entry& entry : entries_)
        if (entry.key == wanted) return entry.value;
    return {};
}

ThemercValue ThemercValues::FindOr(const std::string& key, const std::string& fallback) const {
    ThemercValue value = Find(key);
    return value.text.empty() ? ThemercValue{fallback, 0} : value;
}

}  // namespace vt
