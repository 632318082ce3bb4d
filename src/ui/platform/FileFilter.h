#pragma once

#include <QStringList>

#include <string_view>

namespace quarvex::ui {

// The name filters of a file dialog from the core's "description|pattern|description|pattern"
// form: each pair becomes Qt's "description (pattern)". Patterns separated by ';' become
// blank-separated, "*.*" becomes "*" (on Linux a file need not have an extension), and a
// description that already ends with its pattern in parentheses is not given it twice. A
// description without a pattern (a lone "FV Calculator (*.fv)") is used as it stands.
QStringList NameFilters(std::string_view filter);

} // namespace quarvex::ui
