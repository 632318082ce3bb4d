#include "ui/shell/LauncherPanel.h"

#include "ui/shell/Launchable.h"

#include "shell/Background.h"
#include "ui/platform/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

using shell::LauncherEntries;
using shell::LauncherEntry;
using shell::LauncherGroup;

namespace {

// The groups' places: three columns of two groups each, so that the columns hold eleven
// buttons apiece.
struct GroupPlace {
    LauncherGroup group;
    int row;
    int column;
};
constexpr GroupPlace kGroupPlaces[] = {
    {LauncherGroup::Finance, 0, 0}, {LauncherGroup::Depreciation, 1, 0},
    {LauncherGroup::Loan, 0, 1},    {LauncherGroup::Schedules, 1, 1},
    {LauncherGroup::General, 0, 2}, {LauncherGroup::Advisors, 1, 2},
};

// The room the original design gave the client area, in device-independent pixels.
constexpr int kDesignWidth = 545;
constexpr int kDesignHeight = 478;

std::size_t IndexOf(const LauncherEntry& entry) {
    return static_cast<std::size_t>(&entry - LauncherEntries().data());
}

} // namespace

LauncherPanel::LauncherPanel(LaunchRequest launch, QWidget* parent)
    : QWidget(parent), launch_(std::move(launch)) {
    setObjectName("pnlLauncher");
    auto* grid = new QGridLayout(this);
    for (const GroupPlace& place : kGroupPlaces) {
        grid->addWidget(BuildGroup(place.group), place.row, place.column, Qt::AlignTop);
    }
    grid->setRowStretch(1, 1);
    setMinimumSize(kDesignWidth, kDesignHeight);
    // The buttons carry no glyphs, so the blanks that made room for them would only leave
    // the captions at ragged indents: the captions stand trimmed in the middle.
    setStyleSheet(QStringLiteral("QPushButton { text-align: center; padding: 4px 8px; }"));
    SetColorBackground(true);
}

QGroupBox* LauncherPanel::BuildGroup(LauncherGroup group) {
    auto* box = new QGroupBox(ToQString(shell::GroupCaption(group)), this);
    auto* column = new QVBoxLayout(box);
    for (const LauncherEntry& entry : LauncherEntries()) {
        if (entry.group != group) {
            continue;
        }
        auto* button = new QPushButton(ToQString(entry.buttonCaption).trimmed(), box);
        button->setObjectName(ToQString(entry.buttonName));
        button->setEnabled(Launchable(entry));
        button->setAutoDefault(false);
        const std::string_view stem = entry.stem;
        connect(button, &QPushButton::clicked, this, [this, stem] { launch_(stem); });
        column->addWidget(button);
        buttons_[IndexOf(entry)] = button;
    }
    groups_[static_cast<std::size_t>(group)] = box;
    return box;
}

QPushButton* LauncherPanel::Button(std::string_view stem) const {
    const LauncherEntry* entry = shell::FindLauncherEntry(stem);
    return entry != nullptr ? buttons_[IndexOf(*entry)] : nullptr;
}

QGroupBox* LauncherPanel::Group(LauncherGroup group) const {
    return groups_[static_cast<std::size_t>(group)];
}

void LauncherPanel::ApplyHints(bool showHints) {
    for (const LauncherEntry& entry : LauncherEntries()) {
        // A greyed button always says why; the others follow "Show Toolbar Hints".
        const bool shown = showHints || !Launchable(entry);
        buttons_[IndexOf(entry)]->setToolTip(shown ? WithNewlines(LaunchHint(entry)) : QString());
    }
}

void LauncherPanel::SetColorBackground(bool on) {
    colorBackground_ = on;
    // The group captions stand on the dark blue bands: white is what reads there.
    for (QGroupBox* box : groups_) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText,
                         on ? QColor(Qt::white) : this->palette().color(QPalette::WindowText));
        box->setPalette(palette);
    }
    update();
}

void LauncherPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!colorBackground_) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const shell::GradientBands bands = shell::GradientFor(false);
    const int h = height();
    int top = 0;
    while (top < h) {
        const int band = shell::BandOfRow(top, h, bands);
        int bottom = top + 1;
        while (bottom < h && shell::BandOfRow(bottom, h, bands) == band) {
            ++bottom;
        }
        painter.fillRect(0, top, width(), bottom - top,
                         QColor(0, 0, shell::BlueOfBand(band, bands)));
        top = bottom;
    }
}

} // namespace quarvex::ui
