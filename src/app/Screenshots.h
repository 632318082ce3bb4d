#pragma once

#include "platform/Printing.h"

#include <QString>

#include <functional>
#include <string>

namespace quarvex::app {

class Program;

// A printer that draws each job's pages into pictures and keeps them in a folder.
class PicturePrinting : public Printing {
public:
    explicit PicturePrinting(QString folder) : folder_(std::move(folder)) {}
    bool Print(const std::string& title, Kind kind,
               const std::function<void(ReportCanvas&)>& render) override;
    int Jobs() const { return jobs_; }

private:
    QString folder_;
    int jobs_ = 0;
};

// Goes through the started program as a new user would and saves pictures into `folder`: the
// windows themselves (main-window.png, loan-calculator.png with a loan of 10,000 over 36
// months at 10 % solved for its payment, loan-after-refusal.png, the few-field calculators
// with their options panels, the three settings pages, amortization*.png with a loan of
// 200,000 over 360 months at 6.5 % scheduled, on "All" and on its first year, with its Loan
// Settings and APR Detail dialogs, and the four depreciation calculators with an asset
// calculated, *-depreciation.png), the whole screen with the window
// manager's frames (screen-*.png: the Loan calculator, its message, its refusal of an amount,
// two Loan windows, the settings and printer-font dialogs), loan-print.png (the printed page,
// through PicturePrinting) and program-icon.png. It prints where each window stands when it
// opens, closes and reopens. Then closes the program. Returns the exit status: 0 when every
// picture was saved.
int TakeScreenshots(Program& program, const PicturePrinting& printing, const QString& folder);

} // namespace quarvex::app
