#pragma once

#include "amortization/calculator/AprDisclosure.h"
#include "amortization/calculator/DisclosureInfo.h"
#include "framework/dates/Calendar.h"
#include "framework/masks/NumberConventions.h"
#include "platform/Printing.h"
#include "platform/ReportCanvas.h"

#include <string>
#include <string_view>

// The truth-in-lending disclosure statement of a calculated loan, drawn on a report canvas.
namespace quarvex::amortization {

// The sentence on late payments: a fixed amount in money ("If a payment is late, you will be
// charged $25.00."), a percent followed by "% of the payment.", blanks to fill in when no
// charge is given.
std::string LateChargeSentence(const DisclosureInfo& info,
                               const masks::NumberConventions& conventions);

// Today as the statement's "Date : " line shows it: "March 15 2021".
std::string DisclosureDateText(dates::DayNumber today);

// Draws the statement: the creditor and borrower block, the four boxes (APR, finance charge,
// amount financed, total of payments), the itemization choice, the payment schedule, insurance,
// security, fees, late charge, prepayment and, when wanted, the itemization form. Pages break
// where a block would run into the bottom margin.
void PrintDisclosureReport(ReportCanvas& canvas, const AprDisclosureFigures& figures,
                           const DisclosureInfo& info, dates::DayNumber today,
                           const masks::NumberConventions& conventions);

// The title of the statement's print job.
inline constexpr std::string_view kDisclosureTitle = "APR Disclosure";

// Prints the statement as a report (the desktop program offers setup and preview first);
// false when the user cancelled.
bool PrintDisclosureStatement(Printing& printing, const AprDisclosureFigures& figures,
                              const DisclosureInfo& info, dates::DayNumber today,
                              const masks::NumberConventions& conventions);

} // namespace quarvex::amortization
