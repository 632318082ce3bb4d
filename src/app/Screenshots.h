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

// Shows the started program's windows one after the other and saves a picture of each into
// `folder`: main-window.png, loan-calculator.png (a loan of 10,000 over 36 months at 10 %
// solved for its payment), global-settings.png and loan-print.png (the printed page, through
// PicturePrinting), and program-icon.png. Then closes the program. Returns the exit status: 0 when
// every picture was saved.
int TakeScreenshots(Program& program, const PicturePrinting& printing, const QString& folder);

} // namespace quarvex::app
