#pragma once

#include <QString>
#include <QStringList>

namespace quarvex::ui {

// The letter of a caption's accelerator ("&Next" has N), upper case; null when it has none.
QChar AcceleratorOf(const QString& caption);

// The captions of one page as shown, each with an accelerator of its own: a caption keeps
// its accelerator unless a key in `reserved` or an earlier caption has it; then it takes the
// first letter of its text that is still free, or none. The words are never changed.
QStringList DistinctAccelerators(const QStringList& captions, const QString& reserved);

} // namespace quarvex::ui
