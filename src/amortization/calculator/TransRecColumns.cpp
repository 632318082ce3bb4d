#include "amortization/calculator/TransRecColumns.h"

#include "framework/dates/DateText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quarvex::amortization {

namespace {

using framework::OutputValue;

OutputValue Day(dates::DayNumber date) {
    return dates::FormatIsoDate(date);
}

#define QV_COLUMN(field, conversion)                                                               \
    TransRecColumn {                                                                               \
#field, [](const TTransRec& r) -> OutputValue {                                            \
            return conversion(r.field);                                                            \
        }                                                                                          \
    }

OutputValue Same(std::int16_t v) {
    return static_cast<std::int64_t>(v);
}
OutputValue Same(std::int32_t v) {
    return v;
}
OutputValue Same(std::uint8_t v) {
    return static_cast<std::int64_t>(v);
}
OutputValue Same(bool v) {
    return v;
}
OutputValue Same(double v) {
    return v;
}
OutputValue Same(long double v) {
    return v;
}
OutputValue Same(const std::string& v) {
    return v;
}

const std::array<TransRecColumn, 46> kColumns = {
    QV_COLUMN(NumYears, Same),
    QV_COLUMN(TransDate, Day),
    QV_COLUMN(TransNo, Same),
    QV_COLUMN(PmtNo, Same),
    QV_COLUMN(PmtNoYr, Same),
    QV_COLUMN(DueDate, Day),
    QV_COLUMN(CalcDueDt, Same),
    QV_COLUMN(PenaltyDt, Day),
    QV_COLUMN(CalcPenDt, Same),
    QV_COLUMN(Pmt, Same),
    QV_COLUMN(CalcPmt, Same),
    QV_COLUMN(PmtTrans, Same),
    QV_COLUMN(ExtraPmt, Same),
    QV_COLUMN(Advance, Same),
    QV_COLUMN(Principal, Same),
    QV_COLUMN(CalcPrin, Same),
    QV_COLUMN(Interest, Same),
    QV_COLUMN(AccruedInt, Same),
    QV_COLUMN(IntTrans, Same),
    QV_COLUMN(PrinBal, Same),
    QV_COLUMN(DaysLate, Same),
    QV_COLUMN(DaysSince, Same),
    QV_COLUMN(PerSince, Same),
    QV_COLUMN(Rate, Same),
    QV_COLUMN(RateChng, Same),
    QV_COLUMN(AccrualRt, Same),
    QV_COLUMN(AccPerRt, Same),
    QV_COLUMN(AccDlyRt, Same),
    QV_COLUMN(AccRtChng, Same),
    QV_COLUMN(MinPmtDue, Same),
    QV_COLUMN(Escrow, Same),
    QV_COLUMN(LatePenal, Same),
    QV_COLUMN(CalcLatePn, Same),
    QV_COLUMN(Other, Same),
    QV_COLUMN(RunningPmt, Same),
    QV_COLUMN(RunningExtraPmt, Same),
    QV_COLUMN(RunningPrincipal, Same),
    QV_COLUMN(RunningInt, Same),
    QV_COLUMN(RunningAccruedInt, Same),
    QV_COLUMN(PmtFreq, Same),
    QV_COLUMN(CmpFreq, Same),
    QV_COLUMN(Actual, Same),
    QV_COLUMN(TransType, Same),
    QV_COLUMN(UserID, Same),
    QV_COLUMN(ClientRef, Same),
    QV_COLUMN(Comment, Same),
};

#undef QV_COLUMN

// Numbers for a spreadsheet: 15 significant digits, as many as a spreadsheet keeps, so that a
// balance of 3 358.2699999999995 (the binary neighbour of 3 358.27) reads 3358.27 and what
// binary arithmetic leaves of a paid-off balance (10^-13) reads 0.
template <class Real> std::string SpreadsheetNumber(Real value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (std::fabs(value) < static_cast<Real>(5e-10)) {
        return "0";
    }
    std::array<char, 64> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::general, 15);
    return error == std::errc() ? std::string(text.data(), end) : std::string();
}

std::string CsvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string CsvCell(const OutputValue& cell) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) {
                return v ? "TRUE" : "FALSE";
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, long double>) {
                return SpreadsheetNumber(v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return CsvText(v);
            } else {
                return {};
            }
        },
        cell.value);
}

} // namespace

std::span<const TransRecColumn> TransRecColumns() {
    return kColumns;
}

OutputValue::Members TransRecMembers(const TTransRec& row) {
    OutputValue::Members members;
    members.reserve(kColumns.size());
    for (const TransRecColumn& column : kColumns) {
        members.push_back({std::string(column.name), column.value(row)});
    }
    return members;
}

std::string TransRecCsvHeader() {
    std::string line;
    for (const TransRecColumn& column : kColumns) {
        line += (line.empty() ? "" : ",") + std::string(column.name);
    }
    return line + "\r\n";
}

std::string TransRecCsvLine(const TTransRec& row) {
    std::string line;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        line += (i == 0 ? "" : ",") + CsvCell(kColumns[i].value(row));
    }
    return line + "\r\n";
}

} // namespace quarvex::amortization
