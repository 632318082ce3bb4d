#include "ui/amortization/AmortScheduleModel.h"

#include "framework/dates/DateText.h"
#include "framework/masks/NumberFormat.h"
#include "ui/platform/QtText.h"

#include <algorithm>
#include <cmath>

namespace quarvex::ui {

namespace {

constexpr QChar kDagger(0x2020);       // an extra payment
constexpr QChar kDoubleDagger(0x2021); // a rate change
// An extra payment smaller than this is a rounding remainder, not a payment.
constexpr double kExtraPaymentThreshold = 0.001;

} // namespace

AmortScheduleModel::AmortScheduleModel(const amortization::TAmortSchedule& schedule,
                                       const masks::NumberConventions& conventions, QObject* parent)
    : QAbstractTableModel(parent), schedule_(schedule), conventions_(conventions) {}

void AmortScheduleModel::ShowRows(std::size_t first, std::size_t end) {
    beginResetModel();
    end_ = std::min(end, static_cast<std::size_t>(schedule_.Count()));
    first_ = std::min(first, end_);
    endResetModel();
}

int AmortScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(end_ - first_);
}

int AmortScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString AmortScheduleModel::RowLabel(const amortization::TTransRec& row) {
    QString label = ToQString(row.PmtNoYr);
    if (row.RateChng) {
        label += kDoubleDagger;
    }
    if (std::fabs(row.ExtraPmt) > kExtraPaymentThreshold) {
        label += kDagger;
    }
    return label;
}

QString AmortScheduleModel::CellText(const amortization::TTransRec& row, int column) const {
    const auto money = [this](double value) {
        return ToQString(masks::FormatNumber(value, 2, conventions_));
    };
    switch (column) {
    case Label:
        return RowLabel(row);
    case Date:
        return ToQString(dates::FormatUsDate(row.TransDate));
    case Payment:
        return money(row.Pmt);
    case Principal:
        return money(row.Principal);
    case Interest:
        return money(row.Interest);
    case Balance:
        return money(row.PrinBal);
    default:
        return {};
    }
}

QVariant AmortScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        const bool text = index.column() == Label || index.column() == Date;
        return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto& row = schedule_[first_ + static_cast<std::size_t>(index.row())];
    return CellText(row, index.column());
}

QVariant AmortScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kHeadings[] = {"#/YR",      "Date",     "Payment",
                                            "Principal", "Interest", "Balance"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeadings[section])
                                                 : QVariant();
}

} // namespace quarvex::ui
