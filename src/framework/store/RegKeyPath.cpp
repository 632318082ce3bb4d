#include "framework/store/RegKeyPath.h"

#include <algorithm>

namespace quarvex::framework {

namespace {

char FoldChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

RegKeyPath SplitKeyPath(std::string_view path) {
    RegKeyPath parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::string JoinKeyPath(const RegKeyPath& path) {
    std::string joined;
    for (const auto& part : path) {
        if (!joined.empty()) {
            joined += '\\';
        }
        joined += part;
    }
    return joined;
}

std::string FoldCase(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldChar(x) == FoldChar(y);
           });
}

} // namespace quarvex::framework
