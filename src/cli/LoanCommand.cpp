#include "cli/LoanCommand.h"

#include "engine/EngineTypes.h"
#include "engine/LoanErrors.h"
#include "engine/coLoan.h"
#include "platform/Exception.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>

namespace quarvex::cli {

namespace {

using engine::coLoan;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<double> ParseNumber(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

struct LoanQuestion {
    double PV = 0;
    double NumPmts = 0;
    double Rate = 0;
    double Pmt = 0;
    double PYR = 5;
    double CmpPYR = 6;
    double PmtMthd = 0;
    double AmortMthd = 0;
};

std::string Money(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// Prints the message the way a message box would show it: each carriage return a new line.
std::string AsLines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

} // namespace

int RunLoanCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    LoanQuestion question;
    const std::map<std::string, double*> fields = {
        {"pv", &question.PV},           {"numpmts", &question.NumPmts},
        {"rate", &question.Rate},       {"pmt", &question.Pmt},
        {"pyr", &question.PYR},         {"cmppyr", &question.CmpPYR},
        {"pmtmthd", &question.PmtMthd}, {"amortmthd", &question.AmortMthd}};

    for (const std::string& argument : arguments) {
        const auto equals = argument.find('=');
        if (equals == std::string::npos) {
            err << "quarvex-calc: expected NAME=VALUE, got '" << argument << "'\n";
            return 2;
        }
        const auto field = fields.find(Lower(argument.substr(0, equals)));
        if (field == fields.end()) {
            err << "quarvex-calc: loan has no field '" << argument.substr(0, equals) << "'\n";
            return 2;
        }
        const auto value = ParseNumber(argument.substr(equals + 1));
        if (!value) {
            err << "quarvex-calc: '" << argument.substr(equals + 1) << "' is not a number\n";
            return 2;
        }
        *field->second = *value;
    }

    const auto inRange = [](double value, double low, double high) {
        return value >= low && value <= high && std::trunc(value) == value;
    };
    if (!inRange(question.NumPmts, -32768, 32767) || !inRange(question.PYR, 0, 9) ||
        !inRange(question.CmpPYR, 0, 11) || !inRange(question.PmtMthd, 0, 1) ||
        !inRange(question.AmortMthd, 0, 5)) {
        err << "quarvex-calc: NumPmts must be a whole number of 16 bits and each list field "
               "one of its codes\n";
        return 2;
    }

    try {
        const auto compounding =
            engine::CompoundingPerYear(static_cast<std::uint8_t>(question.CmpPYR));
        if (!compounding) {
            engine::RaiseLoanError(engine::kLoanUnsupportedCompounding);
        }
        coLoan loan;
        loan.Init(question.PV, static_cast<std::int16_t>(question.NumPmts),
                  static_cast<float>(question.Rate), question.Pmt,
                  engine::PeriodsPerYear(static_cast<std::uint8_t>(question.PYR)), *compounding,
                  static_cast<std::uint8_t>(question.PmtMthd),
                  static_cast<std::uint8_t>(question.AmortMthd));
        if (loan.Unknown == coLoan::kNone) {
            loan.Unknown = coLoan::kPmt;
        }
        loan.Calculate();
        char rate[32];
        std::snprintf(rate, sizeof rate, "%.4f", loan.Rate);
        out << "Amount of Loan: " << Money(loan.PV) << "\n"
            << "Total Periods: " << loan.NumPmts << "\n"
            << "Annual Rate (%): " << rate << "\n"
            << "Periodic Payment: " << Money(loan.Pmt) << "\n"
            << "Interest For Term: " << Money(loan.Interest) << "\n";
        return 0;
    } catch (const Exception& error) {
        err << AsLines(error.Message()) << "\n";
        return 1;
    }
}

} // namespace quarvex::cli
