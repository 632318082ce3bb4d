#pragma once

#include "framework/masks/EntryMask.h"

#include <QValidator>

#include <functional>

namespace quarvex::ui {

// The keystroke check of a masked entry field: text the field keeps as typed
// (EntryMask::KeepsAsTyped) is let through (Intermediate until it is a whole value), anything
// else is refused and reported to `refused` with the text that was tried.
class MaskValidator : public QValidator {
    Q_OBJECT
public:
    MaskValidator(const masks::EntryMask& mask, std::function<void(const QString&)> refused,
                  QObject* parent = nullptr)
        : QValidator(parent), mask_(mask), refused_(std::move(refused)) {}

    State validate(QString& input, int& position) const override;

private:
    const masks::EntryMask& mask_;
    std::function<void(const QString&)> refused_;
};

} // namespace quarvex::ui
