#include "ui/shell/ReportFontDialog.h"

#include "shell/ApplicationOptions.h"
#include "ui/platform/QtText.h"

#include <QFontDatabase>
#include <QFontDialog>

#include <algorithm>

namespace quarvex::ui {

QString InstalledFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family)) {
        return family;
    }
    // Reports are laid out in columns of a fixed-pitch face ("Courier New" by default): a
    // face the system lacks is replaced by an installed fixed-pitch one, never by whatever
    // proportional face the font dialog would show first.
    for (const QString& monospace :
         {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
          QStringLiteral("Noto Sans Mono")}) {
        if (QFontDatabase::hasFamily(monospace)) {
            return monospace;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont ToQFont(const report::ReportFont& font) {
    QFont result(InstalledFamily(ToQString(font.name)), font.size);
    result.setStyleHint(QFont::TypeWriter);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    // The face's own name for this weight and slant ("Book", "Bold Oblique"), so that the
    // font dialog selects it rather than the first style it lists.
    for (const QString& style : QFontDatabase::styles(result.family())) {
        const QFont face = QFontDatabase::font(result.family(), style, font.size);
        // An oblique face slants as an italic one does.
        const bool slanted = face.style() != QFont::StyleNormal;
        if (slanted == font.italic && (face.weight() >= QFont::Bold) == font.bold) {
            result.setStyleName(style);
            break;
        }
    }
    return result;
}

report::ReportFont FromQFont(const QFont& font, const report::ReportFont& previous) {
    report::ReportFont result = previous;
    result.name = ToStdString(font.family());
    if (font.pointSize() > 0) {
        result.size =
            std::clamp(font.pointSize(), shell::kSmallestFontSize, shell::kLargestFontSize);
    }
    result.bold = font.bold();
    result.italic = font.italic();
    result.underline = font.underline();
    result.strikeOut = font.strikeOut();
    return result;
}

report::ReportFont ChosenReportFont(const QFont& chosen, const report::ReportFont& current) {
    report::ReportFont result = FromQFont(chosen, current);
    // The face that stood in for the stored one is still the stored one.
    if (chosen.family() == InstalledFamily(ToQString(current.name))) {
        result.name = current.name;
    }
    return result;
}

std::optional<report::ReportFont> ChooseReportFont(const report::ReportFont& current,
                                                   QWidget* parent) {
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, ToQFont(current), parent, QObject::tr("Printer Font"));
    if (!chosen) {
        return std::nullopt;
    }
    return ChosenReportFont(font, current);
}

} // namespace quarvex::ui
