#include "ui/platform/QtPrinting.h"

#include "ui/platform/PrintErrors.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ReportRendering.h"

#include "ui/platform/MessageOwner.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <iterator>
#include <optional>

namespace quarvex::ui {

void QtPrinting::PreparePrinter(QPrinter& printer, const std::string& title) {
    printer.setDocName(ToQString(title));
    // The paper of the user's country (Letter where inches are used, A4 elsewhere); the
    // report is centred on whatever paper is finally chosen.
    printer.setPageSize(QPageSize(LocalePaperSize()));
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
}

QPageSize::PageSizeId LocalePaperSize(const QLocale& locale) {
    // QLocale knows no paper: these are the countries whose offices use Letter.
    static const QLocale::Territory kLetterCountries[] = {
        QLocale::UnitedStates, QLocale::Canada,           QLocale::Mexico,     QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,         QLocale::CostaRica,  QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama,           QLocale::PuertoRico, QLocale::ElSalvador,
        QLocale::Venezuela,    QLocale::DominicanRepublic};
    return std::find(std::begin(kLetterCountries), std::end(kLetterCountries),
                     locale.territory()) != std::end(kLetterCountries)
               ? QPageSize::Letter
               : QPageSize::A4;
}

QWidget* QtPrinting::Parent() const {
    // The dialogs of a calculator's print job belong to its window.
    if (QWidget* owner = MessageOwner::Current()) {
        return owner;
    }
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

bool QtPrinting::Print(const std::string& title, Kind kind,
                       const std::function<void(ReportCanvas&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, title);
    return kind == Kind::ResultPage ? PrintResultPage(printer, render)
                                    : PreviewSchedule(printer, render);
}

bool QtPrinting::PrintResultPage(QPrinter& printer,
                                 const std::function<void(ReportCanvas&)>& render) {
    QPrintDialog dialog(&printer, Parent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    RenderOnDevice(printer, render);
    return true;
}

bool QtPrinting::PreviewSchedule(QPrinter& printer,
                                 const std::function<void(ReportCanvas&)>& render) {
    QPrintPreviewDialog preview(&printer, Parent());
    // The preview paints inside its own event loop: an error must not cross it. The first
    // one is kept and raised once the preview has closed.
    std::optional<std::string> failure;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) {
                         if (failure) {
                             return;
                         }
                         try {
                             RenderOnDevice(*target, render);
                         } catch (const std::exception& error) {
                             failure = error.what();
                         } catch (...) {
                             failure = "The report could not be drawn.";
                         }
                     });
    const bool printed = preview.exec() == QDialog::Accepted;
    if (failure) {
        throw EPrinting(*failure);
    }
    return printed;
}

} // namespace quarvex::ui
