#pragma once

#include "framework/report/ReportFont.h"

#include <QFont>

#include <optional>

class QWidget;

namespace quarvex::ui {

// `family` when it is installed; otherwise an installed fixed-pitch face.
QString InstalledFamily(const QString& family);
QFont ToQFont(const report::ReportFont& font);
// The chosen font as the report font; the size of a font given in pixels stays `previous`'s.
report::ReportFont FromQFont(const QFont& font, const report::ReportFont& previous);

// What OK in the font dialog makes of `chosen`: the installed face that stood in for the
// current one keeps the current one's name, so reports keep "Courier New" when nothing changed.
report::ReportFont ChosenReportFont(const QFont& chosen, const report::ReportFont& current);

// "P&rinter Font": the font dialog on a copy of the report font; nothing when cancelled.
std::optional<report::ReportFont> ChooseReportFont(const report::ReportFont& current,
                                                   QWidget* parent);

} // namespace quarvex::ui
