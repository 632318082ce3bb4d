#include "ui/platform/QtText.h"

namespace quarvex::ui {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
    return text.toStdString();
}

QString WithNewlines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            lines += '\n'; // a lone "\r" ends a line; "\r\n" keeps its "\n"
        }
    }
    return ToQString(lines);
}

} // namespace quarvex::ui
