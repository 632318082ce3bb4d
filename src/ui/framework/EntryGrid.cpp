#include "ui/framework/EntryGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace quarvex::ui {

namespace {

// The classic grid: 21-pixel rows 3 apart, a 57-pixel caption, 5 pixels, a 103-pixel field.
constexpr int kMinRowHeight = 21;
constexpr int kMinLabelWidth = 57;
constexpr int kFieldGap = 5;
constexpr int kMinFieldWidth = 103;
constexpr int kRowSpacing = 3;
// The layout keeps 8 pixels of the box's width to itself; the columns get a little air.
constexpr int kLayoutReserve = 8;
constexpr int kColumnAir = 6;
constexpr int kMaxColumns = 3;

} // namespace

EntryGrid::EntryGrid(const EditorSpec& entry, UiContext& ui, QWidget* parent)
    : QScrollArea(parent), spec_(entry), ui_(ui), canvas_(new QWidget) {
    const QFontMetrics metrics = fontMetrics();
    const QLineEdit probe;
    rowHeight_ = std::max(kMinRowHeight, probe.sizeHint().height());
    labelWidth_ =
        std::max(kMinLabelWidth, metrics.horizontalAdvance(QStringLiteral("00/00/0000:")));
    const int fieldWidth =
        std::max(kMinFieldWidth, metrics.horizontalAdvance(QStringLiteral("$999,999,999.99")) +
                                     probe.sizeHint().height());
    pairWidth_ = labelWidth_ + kFieldGap + fieldWidth;

    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(canvas_);
    const int inner = kMaxColumns * pairWidth_ + (kMaxColumns + 1) * kColumnAir + kLayoutReserve;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int frame = 2 * frameWidth();
    setFixedSize(inner + scrollBar + frame,
                 kVisibleRows * (rowHeight_ + kRowSpacing) + kRowSpacing + frame);
}

EntryGrid::~EntryGrid() = default;

void EntryGrid::Rebuild(std::size_t count) {
    canvas_->setUpdatesEnabled(false);
    for (Entry& entry : entries_) {
        delete entry.label;
        delete entry.editor->Widget();
    }
    entries_.clear();
    entries_.reserve(count);
    // Created in order, so Tab goes through them row by row.
    for (std::size_t i = 0; i < count; ++i) {
        Entry entry;
        entry.editor = std::make_unique<FieldEditor>(spec_, ui_, canvas_);
        entry.label = new QLabel(canvas_);
        entry.label->setBuddy(entry.editor->Widget());
        entry.editor->OnEdited(
            this, [this, i](const framework::FieldValue& value) { emit EntryEdited(i, value); });
        entries_.push_back(std::move(entry));
    }
    Place();
    for (Entry& entry : entries_) {
        entry.label->show();
        entry.editor->Widget()->show();
    }
    canvas_->setUpdatesEnabled(true);
}

framework::EntryGridSpec EntryGrid::SpecFor(int boxWidth) const {
    return {static_cast<int>(entries_.size()), rowHeight_, labelWidth_, pairWidth_, boxWidth,
            maximumViewportSize().height()};
}

void EntryGrid::Place() {
    verticalScrollBar()->setValue(0);
    if (entries_.empty()) {
        places_.clear();
        canvas_->resize(maximumViewportSize().width(), 0);
        return;
    }
    int boxWidth = maximumViewportSize().width();
    places_ = framework::LayoutEntryGrid(SpecFor(boxWidth));
    const auto bottom = [this] {
        return places_.back().field.top + places_.back().field.height + kRowSpacing;
    };
    if (bottom() > maximumViewportSize().height()) {
        // The box scrolls: the scroll bar takes its share of the width.
        boxWidth -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        places_ = framework::LayoutEntryGrid(SpecFor(boxWidth));
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const framework::EntryPairPlace& place = places_[i];
        entries_[i].label->setGeometry(place.label.left, place.label.top, place.label.width,
                                       place.label.height);
        entries_[i].editor->Widget()->setGeometry(place.field.left, place.field.top,
                                                  place.field.width, place.field.height);
    }
    canvas_->resize(boxWidth, bottom());
}

void EntryGrid::SetCaption(std::size_t entry, const QString& caption) {
    Entry& shown = entries_.at(entry);
    shown.label->setText(caption);
    // Its messages say which of the entries is wrong: "Entry 5 (06/01/2027)".
    if (MaskedLineEdit* edit = shown.editor->LineEdit()) {
        QString date = caption.trimmed();
        if (date.endsWith(QLatin1Char(':'))) {
            date.chop(1);
        }
        edit->SetEntryName(QStringLiteral("Entry %1 (%2)").arg(entry + 1).arg(date));
    }
}

void EntryGrid::SetValue(std::size_t entry, const framework::FieldValue& value) {
    entries_.at(entry).editor->SetValue(value);
}

framework::FieldValue EntryGrid::Value(std::size_t entry) const {
    return entries_.at(entry).editor->Value();
}

std::optional<std::string> EntryGrid::Commit() {
    for (Entry& entry : entries_) {
        if (auto error = entry.editor->Commit()) {
            entry.editor->Widget()->setFocus(Qt::OtherFocusReason);
            ensureWidgetVisible(entry.editor->Widget());
            return error;
        }
    }
    return std::nullopt;
}

} // namespace quarvex::ui
