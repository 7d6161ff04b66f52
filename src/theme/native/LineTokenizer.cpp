#include "theme/native/LineTokenizer.h"

namespace vt {

std::string LineTokenizer::Next(const std::string& separators) {
    std::string set = separators;
    if (set.find(' ') != std::string::npos) set += '\t';
    std::size_t start = line_.find_first_not_of(set);
    if (start == std::string::npos) {
        line_.clear();
        return {};
    }
    std::size_t end = line_.find_first_of(set, start);
    std::string token = line_.substr(start, end == std::string::npos ? std::string::npos : end - start);
    line_.erase(0, end == std::string::npos ? line_.size() : end + 1);
    return token;
}

}  // namespace vt
