#pragma once

#include "framework/report/ReportFont.h"

#include <QFont>

#include <optional>

class QWidget;

namespace quarvex::ui {

QFont ToQFont(const report::ReportFont& font);
// The chosen font as the report font; the size of a font given in pixels stays `previous`'s.
report::ReportFont FromQFont(const QFont& font, const report::ReportFont& previous);

// "P&rinter Font": the font dialog on a copy of the report font; nothing when cancelled.
std::optional<report::ReportFont> ChooseReportFont(const report::ReportFont& current,
                                                   QWidget* parent);

} // namespace quarvex::ui
