#include "ui/dialogs/AccountEntryValidator.h"

#include "ui/platform/QtText.h"

#include <algorithm>

namespace quarvex::ui {

QValidator::State AccountEntryValidator::validate(QString& input, int& position) const {
    const QString ruled = ToQString(framework::ApplyEntryRule(row_, ToStdString(input)));
    if (ruled != input) {
        // Typing at the end stays at the end (a phone number grows its dashes there).
        const bool atEnd = position >= input.size();
        input = ruled;
        position = atEnd ? static_cast<int>(ruled.size())
                         : std::min(position, static_cast<int>(ruled.size()));
    }
    return Acceptable;
}

} // namespace quarvex::ui
