#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::ui {

// Which help page answers which context number. The help folder holds an index of lines
//     <context number> <page>[#<anchor>]
// with "contents <page>" naming the contents page; blank lines and lines starting with '#'
// are comments. Pages are names inside the help folder: absolute paths, ".." and '\\' are
// refused, so an edited index cannot point the help window outside it.
class HelpIndex {
public:
    static constexpr std::string_view kFileName = "index.txt";
    static constexpr std::string_view kDefaultContents = "contents.html";

    // Reads an index; lines it cannot use are skipped and listed in Problems().
    static HelpIndex Parse(std::string_view text);

    // The page (with its anchor) of a context; the contents page for a context without one.
    const std::string& PageOf(int context) const;
    bool Has(int context) const { return pages_.count(context) != 0; }
    const std::string& Contents() const { return contents_; }
    const std::map<int, std::string>& Pages() const { return pages_; }
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    std::map<int, std::string> pages_;
    std::string contents_{kDefaultContents};
    std::vector<std::string> problems_;
};

// Whether a page reference stays inside the help folder: a relative name, no "..".
bool IsSafePageReference(std::string_view page);

} // namespace quarvex::ui
