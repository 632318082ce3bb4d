#include "ui/amortization/AmortTotalsPanel.h"

#include "framework/report/Format.h"
#include "ui/platform/QtText.h"

#include <QGridLayout>
#include <QLabel>

namespace quarvex::ui {

AmortTotalsPanel::AmortTotalsPanel(const masks::NumberConventions& conventions, QWidget* parent)
    : QWidget(parent), conventions_(conventions) {
    setObjectName(QStringLiteral("TotalPanel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString captions[] = {QStringLiteral("Annual Totals:"),
                                QStringLiteral("Running Totals:")};
    for (int line = 0; line < 2; ++line) {
        captions_[static_cast<std::size_t>(line)] = new QLabel(captions[line], this);
        grid->addWidget(captions_[static_cast<std::size_t>(line)], line, 0);
        for (int amount = 0; amount < 3; ++amount) {
            auto* label = new QLabel(this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setTextFormat(Qt::PlainText);
            label->setMinimumWidth(110);
            grid->addWidget(label, line, amount + 1);
            amounts_[static_cast<std::size_t>(line)][static_cast<std::size_t>(amount)] = label;
        }
    }
}

void AmortTotalsPanel::AlignUnder(int captionWidth, const std::array<int, 3>& amountWidths,
                                  int inset) {
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setHorizontalSpacing(0);
    grid->setColumnStretch(static_cast<int>(amountWidths.size()) + 1, 1);
    for (std::size_t line = 0; line < 2; ++line) {
        captions_[line]->setFixedWidth(captionWidth);
        for (std::size_t amount = 0; amount < amountWidths.size(); ++amount) {
            amounts_[line][amount]->setFixedWidth(amountWidths[amount]);
            amounts_[line][amount]->setContentsMargins(0, 0, inset, 0);
        }
    }
}

void AmortTotalsPanel::Show(const amortization::TcbAmort::TabView& view) {
    const double figures[2][3] = {{view.YearPmt, view.YearPrincipal, view.YearInterest},
                                  {view.RunningPmt, view.RunningPrincipal, view.RunningInt}};
    for (std::size_t line = 0; line < 2; ++line) {
        for (std::size_t amount = 0; amount < 3; ++amount) {
            const std::string text =
                report::Format("%16.2m", {figures[line][amount]}, conventions_);
            amounts_[line][amount]->setText(ToQString(text).trimmed());
        }
    }
}

QString AmortTotalsPanel::Text(Line line, Amount amount) const {
    return AmountLabel(line, amount).text();
}

const QLabel& AmortTotalsPanel::AmountLabel(Line line, Amount amount) const {
    return *amounts_.at(static_cast<std::size_t>(line)).at(static_cast<std::size_t>(amount));
}

} // namespace quarvex::ui
