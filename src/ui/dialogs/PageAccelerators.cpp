#include "ui/dialogs/PageAccelerators.h"

namespace quarvex::ui {

namespace {

// Where the accelerator's letter is ("&&" is a plain ampersand); -1 when there is none.
qsizetype AcceleratorIndex(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            continue;
        }
        if (caption[i + 1] != QLatin1Char('&')) {
            return i + 1;
        }
        ++i;
    }
    return -1;
}

QString WithoutAccelerator(const QString& caption) {
    const qsizetype at = AcceleratorIndex(caption);
    return at < 0 ? caption : caption.left(at - 1) + caption.mid(at);
}

} // namespace

QChar AcceleratorOf(const QString& caption) {
    const qsizetype at = AcceleratorIndex(caption);
    return at < 0 ? QChar() : caption[at].toUpper();
}

QStringList DistinctAccelerators(const QStringList& captions, const QString& reserved) {
    QString taken = reserved.toUpper();
    QStringList shown;
    for (const QString& caption : captions) {
        const QChar own = AcceleratorOf(caption);
        if (own.isNull() || !taken.contains(own)) {
            if (!own.isNull()) {
                taken += own;
            }
            shown.push_back(caption);
            continue;
        }
        QString plain = WithoutAccelerator(caption);
        QString moved = plain;
        for (qsizetype i = 0; i < plain.size(); ++i) {
            // A "&&" stands for one ampersand and is no letter to take.
            if (plain[i] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (plain[i].isLetter() && !taken.contains(plain[i].toUpper())) {
                taken += plain[i].toUpper();
                moved = plain.left(i) + QLatin1Char('&') + plain.mid(i);
                break;
            }
        }
        shown.push_back(moved);
    }
    return shown;
}

} // namespace quarvex::ui
