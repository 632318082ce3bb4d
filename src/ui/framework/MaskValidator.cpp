#include "ui/framework/MaskValidator.h"

namespace quarvex::ui {

QValidator::State MaskValidator::validate(QString& input, int&) const {
    const std::string text = input.toStdString();
    if (mask_.KeepsAsTyped(text)) {
        return mask_.Parse(text).Ok() ? Acceptable : Intermediate;
    }
    if (refused_) {
        refused_(input);
    }
    return Invalid;
}

} // namespace quarvex::ui
