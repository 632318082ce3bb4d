#pragma once

#include "platform/Printing.h"

#include <QPointer>
#include <QWidget>

#include <QLocale>
#include <QPageSize>

class QPrinter;

namespace quarvex::ui {

// Print jobs of the desktop program. A result page asks for the printer with the print
// dialog, then prints; a schedule opens the print preview, whose toolbar offers page setup
// and the print dialog. Either dialog's "Print to File" writes a PDF, so printing works on a
// machine without a printer. Reports are drawn from the paper's corner, without margins.
// The paper a print job starts on: Letter in the countries that use it, A4 elsewhere.
QPageSize::PageSizeId LocalePaperSize(const QLocale& locale = QLocale::system());

class QtPrinting : public Printing {
public:
    explicit QtPrinting(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    bool Print(const std::string& title, Kind kind,
               const std::function<void(ReportCanvas&)>& render) override;

    // The printer a job starts from: high resolution, portrait, the paper's full page.
    static void PreparePrinter(QPrinter& printer, const std::string& title);

private:
    bool PrintResultPage(QPrinter& printer, const std::function<void(ReportCanvas&)>& render);
    bool PreviewSchedule(QPrinter& printer, const std::function<void(ReportCanvas&)>& render);
    QWidget* Parent() const;

    QPointer<QWidget> parent_;
};

} // namespace quarvex::ui
