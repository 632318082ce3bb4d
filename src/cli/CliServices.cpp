#include "cli/CliServices.h"

namespace quarvex::cli {

MessageResult StreamMessages::Show(const std::string& text, MessageIcon, MessageButtons buttons) {
    err_ << AsLines(text) << "\n";
    // Nobody can answer a question here: take the answer that changes nothing.
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
}

std::string AsLines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return lines;
}

} // namespace quarvex::cli
