#pragma once

#include "framework/settings/AccountDetails.h"

#include <QValidator>

namespace quarvex::ui {

// The input rule of an "Account Information" field applied as the user types: the text is
// cut to the field's length, digits kept where only digits go, letters raised where upper
// case goes, and phone numbers laid into "999-999-9999".
class AccountEntryValidator : public QValidator {
    Q_OBJECT
public:
    AccountEntryValidator(const framework::AccountInfoRow& row, QObject* parent = nullptr)
        : QValidator(parent), row_(row) {}

    State validate(QString& input, int& position) const override;

private:
    const framework::AccountInfoRow& row_;
};

} // namespace quarvex::ui
