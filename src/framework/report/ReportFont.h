#pragma once

#include <string>

namespace quarvex::report {

// The font reports print in, chosen by the user. Reports use its name and size; the styles
// are kept with it but titles set bold and underline themselves.
struct ReportFont {
    std::string name = "Courier New";
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

} // namespace quarvex::report
