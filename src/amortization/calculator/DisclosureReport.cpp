#include "amortization/calculator/DisclosureReport.h"

#include "framework/report/Format.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace quarvex::amortization {

namespace {

constexpr std::string_view kCourier = "Courier New";
constexpr std::string_view kTimes = "Times New Roman";
constexpr double kLeft = 0.5;      // the left edge of every block
constexpr double kBorrowerX = 5.0; // the borrower's column of the header block
constexpr double kLine = 1.0 / 6;  // 6 lines an inch
// The bottom margin of 0.75 inch, in lines: no line is printed inside it.
constexpr int kBottomMarginLines = 5;
constexpr double kBoxSide = 0.12; // a check box

// The four boxes: their left edges 1.3 inches apart, centred on the page.
constexpr double kFigureBoxWidth = 1.2;
constexpr double kFigureBoxStride = 1.3;
constexpr double kFigureBoxesLeft = (8.5 - 3 * kFigureBoxStride - kFigureBoxWidth) / 2;
constexpr int kFigureBoxLines = 10;

// The columns of the payment schedule and of the insurance table.
constexpr double kCountRight = 2.3;
constexpr double kAmountLeft = 2.6;
constexpr double kAmountRight = 4.3;
constexpr double kWhenLeft = 4.6;
constexpr double kPremiumLeft = 2.2;
constexpr double kSignatureLeft = 4.6;

constexpr std::string_view kBlankAmount = "$ _________ ";
constexpr std::string_view kSignatureLine = "______________________________  .";

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct FigureBox {
    std::vector<std::string_view> caption;
    std::vector<std::string_view> explanation;
};

const std::array<FigureBox, 4>& FigureBoxes() {
    static const std::array<FigureBox, 4> boxes = {{
        {{"ANNUAL", "PERCENTAGE", "RATE"}, {"The cost of your credit", "as a yearly rate."}},
        {{"FINANCE", "CHARGE"}, {"The dollar amount", "the credit will cost", "you."}},
        {{"Amount", "Financed"}, {"The amount of credit", "provided to you or on", "your behalf."}},
        {{"Total of", "Payments"},
         {"The amount you will", "have paid after you", "have made all payments", "as scheduled."}},
    }};
    return boxes;
}

std::string Joined(std::initializer_list<std::string_view> parts, std::string_view separator) {
    std::string text;
    for (const std::string_view part : parts) {
        if (part.find_first_not_of(' ') == std::string_view::npos) {
            continue;
        }
        text += (text.empty() ? "" : std::string(separator)) + std::string(part);
    }
    return text;
}

// "City, ST 12345": the parts that are there.
std::string CityLine(std::string_view city, std::string_view state, std::string_view zip) {
    return Joined({city, Joined({state, zip}, " ")}, ", ");
}

// Draws the statement from top to bottom, keeping the line cursor and the fonts.
class DisclosureWriter {
public:
    DisclosureWriter(ReportCanvas& canvas, const AprDisclosureFigures& figures,
                     const DisclosureInfo& info, const masks::NumberConventions& conventions)
        : canvas_(canvas), figures_(figures), info_(info), conventions_(conventions) {}

    void Header(dates::DayNumber today) {
        const DisclosureCreditor& c = info_.creditor;
        const framework::TAccountDetails& b = info_.borrower;
        Courier(10);
        canvas_.GotoY(0.5);
        canvas_.SetBold(true);
        Pair(c.name, Joined({b.firstName, b.lastName}, " "));
        canvas_.SetBold(false);
        Pair("Loan Officer:  : " + c.loanOfficer, b.address1);
        Pair(c.address1, b.address2);
        Pair(c.address2, CityLine(b.city, b.state, b.zip));
        Pair(Joined({CityLine(c.city, c.state, c.zip), c.country}, "  "), "");
        Pair("Phone : " + Joined({c.phone1, c.phone2}, "  ") + ".  Ext : " + c.ext, "");
        Pair("Date : " + DisclosureDateText(today), "");
        Skip(3);
    }

    void Figures() {
        const auto values = DisclosureBoxTexts(figures_, conventions_);
        const double top = canvas_.CursorY();
        for (std::size_t i = 0; i < FigureBoxes().size(); ++i) {
            const double left = kFigureBoxesLeft + kFigureBoxStride * static_cast<double>(i);
            const double centre = left + kFigureBoxWidth / 2;
            Rectangle(left, top, kFigureBoxWidth, kFigureBoxLines * kLine);
            canvas_.GotoY(top + kLine / 3);
            canvas_.SetFont(std::string(kCourier), 8);
            canvas_.SetBold(true);
            for (const std::string_view line : FigureBoxes()[i].caption) {
                canvas_.PrintCenter(std::string(line), centre);
                canvas_.NewLine();
            }
            canvas_.SetBold(false);
            canvas_.GotoY(top + kLine * 3.5);
            canvas_.SetFont(std::string(kTimes), 8);
            for (const std::string_view line : FigureBoxes()[i].explanation) {
                canvas_.PrintCenter(std::string(line), centre);
                canvas_.NewLine();
            }
            canvas_.GotoY(top + kLine * (kFigureBoxLines - 1.5));
            Courier(10);
            canvas_.PrintCenter(values[i], centre);
        }
        canvas_.GotoY(top + kFigureBoxLines * kLine);
        Skip(2);
    }

    void ItemizationChoice() {
        Body();
        Text("You have the right to receive at this time a itemization of the Amount Financed.");
        Skip(1);
        BoxedText(info_.itemizationWanted, kLeft + 0.5, "I want an itemization.");
        BoxedText(!info_.itemizationWanted, kLeft + 3.5, "I do not want an itemization.");
        Skip(3);
    }

    void PaymentSchedule() {
        Body();
        Text("Your payment schedule will be :");
        Skip(1);
        Courier(10);
        ScheduleHeading();
        for (const TAprPmtRec& group : PrintedPaymentLines(figures_.PaymentGroups)) {
            if (LinesLeft() < 5) {
                NewPage();
                ScheduleHeading();
            }
            canvas_.PrintRight(std::to_string(group.NumPmts), kCountRight);
            canvas_.PrintRight(report::Format("%m", {group.Amount}, conventions_), kAmountRight);
            canvas_.PrintLeft(group.Description, kWhenLeft);
            canvas_.NewLine();
        }
        Skip(1);
    }

    void Insurance() {
        KeepTogether(18);
        Title("Insurance");
        Text("Credit life insurance and credit disability insurance are not required to obtain "
             "credit, and");
        Text("will not be provided unless you sign and agree to pay the additional cost.");
        Skip(1);
        Row("Type", "Premium", "Signature");
        const std::string& premium = info_.insurancePremium;
        InsuranceRow({"Credit Life", "Insurance"},
                     info_.creditLife || info_.creditLifeDisability ? premium : "",
                     {"I want credit life"});
        InsuranceRow({"Credit Disability", "Insurance"}, info_.creditDisability ? premium : "",
                     {"I want credit disability"});
        InsuranceRow({"Credit Life and", "Credit Disability"},
                     info_.creditLifeDisability ? premium : "",
                     {"I want credit life and", "Disability insurance."});
        Text(report::Format(
            "You may obtain property insurance from any one you want that is acceptable to  %s. ",
            {info_.creditor.name}, conventions_));
        Text("You will pay   $ _________ ");
        Skip(1);
    }

    void Security() {
        if (!info_.securityGoods && !info_.securityOther) {
            return;
        }
        KeepTogether(5);
        Title("Security:");
        Text("You are giving a security interest in:");
        Text(info_.securityOther ? info_.securityAsset : std::string(kSignatureLine));
        BoxedText(info_.securityGoods, kLeft, "the goods or property being purchased.");
        canvas_.NewLine();
        Skip(1);
    }

    void FeesAndLateCharge() {
        Body();
        Text(info_.filingFees > 0
                 ? report::Format("Filing fees %m.", {info_.filingFees}, conventions_)
                 : "Filing fees " + std::string(kBlankAmount));
        Text(info_.nonFilingInsurance > 0 ? report::Format("Non-filing insurance  %m .",
                                                           {info_.nonFilingInsurance}, conventions_)
                                          : "   Non-filing insurance " + std::string(kBlankAmount));
        Skip(1);
        KeepTogether(5);
        Title("Late Charge.");
        Text(LateChargeSentence(info_, conventions_));
        Skip(1);
    }

    void Prepayment() {
        KeepTogether(9);
        Title("Prepayment.");
        Text("If you pay off early, you ");
        MayOrNot(info_.penalty, "have to pay a penalty.");
        MayOrNot(info_.refund, "be entitled to a refund of part of the finance charge ");
        Skip(1);
        Text("See your contract documents for any additional information about nonpayment, "
             "default any required");
        Text("repayment in full before the scheduled date, and prepayment refunds and "
             "penalties.");
        Text("________________");
        Text("e means an estimate");
    }

    void Itemization() {
        if (!info_.itemizationWanted) {
            return;
        }
        Skip(1);
        KeepTogether(9);
        Body();
        canvas_.SetUnderline(true);
        Text("Itemization of Amount Financed ");
        canvas_.SetUnderline(false);
        for (const std::string_view line :
             {"Itemization of Amount Financed $ _________ ", "Amount given to you directly.",
              "$ _________ Amount Paid on your account.", "Amount Paid to others on your behalf",
              "$ _________ to public officials."}) {
            Text(std::string(line));
        }
        for (int i = 0; i < 3; ++i) {
            Text(std::string(kBlankAmount) + std::string(kSignatureLine));
        }
        Text("$ _________ for credit report.");
        Text("$ _________ Prepaid finance charge");
    }

private:
    void Courier(int size) { canvas_.SetFont(std::string(kCourier), size); }
    void Body() { canvas_.SetFont(std::string(kTimes), 10); }

    int LinesLeft() const { return canvas_.LinesLeft() - kBottomMarginLines; }

    void NewPage() {
        canvas_.NewPage();
        canvas_.GotoY(0.5);
    }

    // A block of `lines` lines starts on a new page when it would not fit on this one.
    void KeepTogether(int lines) {
        if (LinesLeft() < lines) {
            NewPage();
        }
    }

    void Skip(int lines) {
        for (int i = 0; i < lines; ++i) {
            canvas_.NewLine();
        }
    }

    void Pair(const std::string& left, const std::string& right) {
        canvas_.PrintLeft(left, kLeft);
        if (!right.empty()) {
            canvas_.PrintLeft(right, kBorrowerX);
        }
        canvas_.NewLine();
    }

    void Text(const std::string& text) {
        canvas_.PrintLeft(text, kLeft);
        canvas_.NewLine();
    }

    void Title(const std::string& text) {
        Body();
        canvas_.SetBold(true);
        Text(text);
        canvas_.SetBold(false);
    }

    void Row(const std::string& type, const std::string& premium, const std::string& right) {
        canvas_.PrintLeft(type, kLeft);
        canvas_.PrintLeft(premium, kPremiumLeft);
        canvas_.PrintLeft(right, kSignatureLeft);
        canvas_.NewLine();
    }

    void InsuranceRow(std::array<std::string, 2> type, const std::string& premium,
                      std::vector<std::string> wants) {
        Row(type[0], premium, wants[0]);
        Row(type[1], "", wants.size() > 1 ? wants[1] : std::string(kSignatureLine));
        if (wants.size() > 1) {
            Row("", "", std::string(kSignatureLine));
        }
        Row("", "", "Signature");
        canvas_.NewLine();
    }

    void ScheduleHeading() {
        canvas_.PrintLeft("Number of Payments", kLeft);
        canvas_.PrintLeft("Amount of Payments", kAmountLeft);
        canvas_.PrintLeft("When payments are due", kWhenLeft);
        canvas_.NewLine();
    }

    void Rectangle(double left, double top, double width, double height) {
        canvas_.DrawLine(left, top, left + width, top);
        canvas_.DrawLine(left + width, top, left + width, top + height);
        canvas_.DrawLine(left + width, top + height, left, top + height);
        canvas_.DrawLine(left, top + height, left, top);
    }

    // A check box at `x` on the current line; a ticked one holds an "X".
    void CheckBox(bool ticked, double x) {
        const double top = canvas_.CursorY() + 0.02;
        Rectangle(x, top, kBoxSide, kBoxSide);
        if (ticked) {
            canvas_.PrintCenter("X", x + kBoxSide / 2);
        }
    }

    // A box with its text after it.
    void BoxedText(bool ticked, double x, const std::string& text) {
        CheckBox(ticked, x);
        canvas_.PrintLeft(text, x + 0.2);
    }

    // "  may      will not       <rest>", the box before "may" ticked when `may`, else the
    // one before "will not".
    void MayOrNot(bool may, const std::string& rest) {
        constexpr double kMayX = kLeft + 0.3;
        constexpr double kWillNotX = kLeft + 1.0;
        BoxedText(may, kMayX, "may");
        BoxedText(!may, kWillNotX, "will not");
        canvas_.PrintLeft(rest, kLeft + 1.9);
        canvas_.NewLine();
    }

    ReportCanvas& canvas_;
    const AprDisclosureFigures& figures_;
    const DisclosureInfo& info_;
    const masks::NumberConventions& conventions_;
};

} // namespace

std::string LateChargeSentence(const DisclosureInfo& info,
                               const masks::NumberConventions& conventions) {
    constexpr std::string_view kLead = "If a payment is late, you will be charged";
    if (!(info.lateCharge > 0)) {
        return std::string(kLead) + (info.lateChargeKind == LateChargeKind::FixedAmount
                                         ? " $__________."
                                         : "__________/__________% of the payment.");
    }
    if (info.lateChargeKind == LateChargeKind::FixedAmount) {
        return report::Format(std::string(kLead) + " %m.", {info.lateCharge}, conventions);
    }
    return report::Format(std::string(kLead) + " %f %% of the payment.", {info.lateCharge},
                          conventions);
}

std::string DisclosureDateText(dates::DayNumber today) {
    const dates::CalendarDate date = dates::DayNumberToDMY(today);
    if (date.month < 1 || date.month > 12) {
        return {};
    }
    char day[16];
    std::snprintf(day, sizeof day, "%02d", date.day);
    return std::string(kMonthNames[static_cast<std::size_t>(date.month - 1)]) + " " + day + " " +
           std::to_string(date.year);
}

void PrintDisclosureReport(ReportCanvas& canvas, const AprDisclosureFigures& figures,
                           const DisclosureInfo& info, dates::DayNumber today,
                           const masks::NumberConventions& conventions) {
    DisclosureWriter writer(canvas, figures, info, conventions);
    writer.Header(today);
    writer.Figures();
    writer.ItemizationChoice();
    writer.PaymentSchedule();
    writer.Insurance();
    writer.Security();
    writer.FeesAndLateCharge();
    writer.Prepayment();
    writer.Itemization();
}

} // namespace quarvex::amortization

namespace quarvex::amortization {

bool PrintDisclosureStatement(Printing& printing, const AprDisclosureFigures& figures,
                              const DisclosureInfo& info, dates::DayNumber today,
                              const masks::NumberConventions& conventions) {
    return printing.Print(std::string(kDisclosureTitle), Printing::Kind::Schedule,
                          [&](ReportCanvas& canvas) {
                              PrintDisclosureReport(canvas, figures, info, today, conventions);
                          });
}

} // namespace quarvex::amortization
