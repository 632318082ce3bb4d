#include "ui/platform/HelpIndex.h"

#include <charconv>
#include <sstream>

namespace quarvex::ui {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

bool IsSafePageReference(std::string_view page) {
    const std::string_view file = page.substr(0, page.find('#'));
    if (file.empty() || file.front() == '/' || file.find('\\') != std::string_view::npos ||
        file.find(':') != std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= file.size()) {
        const auto end = file.find('/', start);
        const auto part = file.substr(start, end == std::string_view::npos ? end : end - start);
        if (part == "..") {
            return false;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

HelpIndex HelpIndex::Parse(std::string_view text) {
    HelpIndex index;
    std::istringstream lines{std::string(text)};
    std::string raw;
    int number = 0;
    while (std::getline(lines, raw)) {
        ++number;
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto gap = line.find_first_of(" \t");
        const std::string_view key = line.substr(0, gap);
        const std::string_view page =
            gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
        const auto problem = [&](const std::string& why) {
            index.problems_.push_back("line " + std::to_string(number) + ": " + why);
        };
        if (page.empty() || page.find_first_of(" \t") != std::string_view::npos) {
            problem("expected a context number and one page");
            continue;
        }
        if (!IsSafePageReference(page)) {
            problem("the page must be a name inside the help folder");
            continue;
        }
        if (key == "contents") {
            index.contents_ = std::string(page);
            continue;
        }
        int context = 0;
        const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), context);
        if (error != std::errc() || end != key.data() + key.size()) {
            problem("\"" + std::string(key) + "\" is not a context number");
            continue;
        }
        index.pages_[context] = std::string(page);
    }
    return index;
}

const std::string& HelpIndex::PageOf(int context) const {
    const auto found = pages_.find(context);
    return found == pages_.end() ? contents_ : found->second;
}

} // namespace quarvex::ui
