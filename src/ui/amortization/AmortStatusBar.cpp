#include "ui/amortization/AmortStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quarvex::ui {

namespace {

// How the panels share the width: the legend and the rate basis take most.
constexpr std::array<int, AmortStatusBar::kPanels> kStretch = {3, 2, 1, 3};

} // namespace

AmortStatusBar::AmortStatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int panel = 0; panel < kPanels; ++panel) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(40);
        layout->addWidget(label, kStretch[static_cast<std::size_t>(panel)]);
        panels_[static_cast<std::size_t>(panel)] = label;
    }
}

void AmortStatusBar::SetText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString AmortStatusBar::Text(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void AmortStatusBar::Clear() {
    for (QLabel* label : panels_) {
        label->clear();
    }
}

} // namespace quarvex::ui
