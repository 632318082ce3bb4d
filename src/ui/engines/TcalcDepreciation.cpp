#include "ui/engines/TcalcDepreciation.h"

#include "engines/depreciation/calculator/TcbDepreciation.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "framework/report/Format.h"
#include "ui/calculators/CommonButtons.h"
#include "ui/platform/QtText.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace quarvex::ui {

namespace {

constexpr int kColumnsPerGroup = 3;
constexpr int kVisibleRows = 10;
const char* const kHeadings[kColumnsPerGroup] = {"Year", "Depreciation", "Adjusted Basis"};

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(ToQString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TcalcDepreciation::TcalcDepreciation(std::unique_ptr<framework::CalculatorController> controller,
                                     UiContext& ui, QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    table_ = new QTableWidget(this);
    table_->setObjectName("tblSchedule");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * (kVisibleRows + 1));
    AddBelowFields(table_);
    for (const auto& [button, context] : kCalculatorButtonHelp) {
        SetButtonHelpContext(button, context);
    }
    AddPrintShortcut(*this);
    if (dynamic_cast<const engines::TcbMACRS*>(&Controller().Buffer()) != nullptr) {
        // Connected after the window's own Calc: a recovery period of nothing has been
        // refused by then, and the user is taken to it.
        connect(ButtonOf(framework::Button::Calc), &QPushButton::clicked, this, [this] {
            using engines::TcbMACRS;
            if (!(Controller().Form().Get<float>(TcbMACRS::RecoveryPeriod) > 0)) {
                Editor(TcbMACRS::RecoveryPeriod).Widget()->setFocus();
            }
        });
    }
    ShowSchedule();
}

int TcalcDepreciation::ColumnGroups() const {
    return table_->columnCount() / kColumnsPerGroup;
}

void TcalcDepreciation::RefreshForm() {
    TcalcBase::RefreshForm();
    ShowSchedule();
}

void TcalcDepreciation::resizeEvent(QResizeEvent* event) {
    TcalcBase::resizeEvent(event);
    ShowSchedule();
}

void TcalcDepreciation::ShowSchedule() {
    const auto* buffer = dynamic_cast<const engines::TcbDepreciation*>(&Controller().Buffer());
    if (buffer == nullptr || table_ == nullptr) {
        return;
    }
    const auto& schedule = buffer->Schedule();
    const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
    const int fitting = std::max(1, table_->viewport()->height() / rowHeight);
    const int groups = static_cast<int>(schedule.size()) > fitting ? 2 : 1;
    const int rows = (static_cast<int>(schedule.size()) + groups - 1) / groups;
    table_->clear();
    table_->setColumnCount(groups * kColumnsPerGroup);
    table_->setRowCount(rows);
    QStringList headings;
    for (int g = 0; g < groups; ++g) {
        for (const char* heading : kHeadings) {
            headings << heading;
        }
    }
    table_->setHorizontalHeaderLabels(headings);
    const auto& conventions = ui_.buffers.conventions;
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        const int row = static_cast<int>(i) / groups;
        const int column = static_cast<int>(i) % groups * kColumnsPerGroup;
        const auto& entry = schedule[i];
        table_->setItem(row, column, Cell(entry.YearLabel, Qt::AlignLeft));
        table_->setItem(
            row, column + 1,
            Cell(report::Format("%16.2m", {entry.Depreciation}, conventions), Qt::AlignRight));
        table_->setItem(
            row, column + 2,
            Cell(report::Format("%16.2m", {entry.AdjustedBasis}, conventions), Qt::AlignRight));
    }
    FillWidth();
}

void TcalcDepreciation::FillWidth() {
    // Each column as wide as its contents, then the room left over shared by the amount
    // columns, so that the schedule spans the table instead of leaving a blank band beside it.
    table_->resizeColumnsToContents();
    const int columns = table_->columnCount();
    const int amountColumns = columns / kColumnsPerGroup * (kColumnsPerGroup - 1);
    const int spare = table_->viewport()->width() - table_->horizontalHeader()->length();
    if (spare <= 0 || amountColumns == 0) {
        return;
    }
    int left = spare;
    int shared = 0;
    for (int column = 0; column < columns; ++column) {
        if (column % kColumnsPerGroup == 0) {
            continue; // the year keeps its width
        }
        ++shared;
        const int extra = shared == amountColumns ? left : spare / amountColumns;
        table_->setColumnWidth(column, table_->columnWidth(column) + extra);
        left -= extra;
    }
}

void RegisterDepreciationWindows() {
    for (const std::string_view stem : {"sldep", "sumofyears", "decbal", "macrs"}) {
        RegisterWindowMaker(stem, [](std::unique_ptr<framework::CalculatorController> controller,
                                     UiContext& ui) {
            return static_cast<CalculatorWindow*>(new TcalcDepreciation(std::move(controller), ui));
        });
    }
}

} // namespace quarvex::ui
