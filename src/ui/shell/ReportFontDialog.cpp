#include "ui/shell/ReportFontDialog.h"

#include "shell/ApplicationOptions.h"
#include "ui/platform/QtText.h"

#include <QFontDialog>

#include <algorithm>

namespace quarvex::ui {

QFont ToQFont(const report::ReportFont& font) {
    QFont result(ToQString(font.name), font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
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

std::optional<report::ReportFont> ChooseReportFont(const report::ReportFont& current,
                                                   QWidget* parent) {
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, ToQFont(current), parent, QObject::tr("Printer Font"));
    if (!chosen) {
        return std::nullopt;
    }
    return FromQFont(font, current);
}

} // namespace quarvex::ui
