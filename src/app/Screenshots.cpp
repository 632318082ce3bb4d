#include "app/Screenshots.h"

#include "app/Program.h"
#include "calculators/Loan.h"
#include "ui/dialogs/GlobalSettingsDialog.h"
#include "ui/framework/TcalcBase.h"
#include "ui/platform/ReportRendering.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>

namespace quarvex::app {

namespace {

// Lets the windows lay themselves out and paint.
void Settle(int milliseconds = 300) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

bool Save(QWidget& window, const QString& folder, const QString& name) {
    const QString file = QDir(folder).filePath(name);
    const bool saved = window.grab().save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save",
                 qPrintable(file));
    return saved;
}

ui::TcalcBase* FindCalculatorWindow(const QString& caption) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<ui::TcalcBase*>(widget);
        if (window != nullptr && window->isVisible() && window->windowTitle() == caption) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

bool PicturePrinting::Print(const std::string&, Kind,
                            const std::function<void(ReportCanvas&)>& render) {
    ++jobs_;
    const std::vector<QImage> pages = ui::RenderToImages(render, 100);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const QString name = page == 0 ? QStringLiteral("loan-print.png")
                                       : QStringLiteral("loan-print-%1.png").arg(page + 1);
        pages[page].save(QDir(folder_).filePath(name));
    }
    return !pages.empty();
}

int TakeScreenshots(Program& program, const PicturePrinting& printing, const QString& folder) {
    bool allSaved = true;
    ui::MainWindow& main = program.Window();
    Settle();
    allSaved &= Save(main, folder, QStringLiteral("main-window.png"));

    main.Launch("loan");
    Settle();
    ui::TcalcBase* loan = FindCalculatorWindow(QStringLiteral("Loan Calculator 1"));
    if (loan == nullptr) {
        std::fprintf(stderr, "the Loan calculator did not open\n");
        return 1;
    }
    using calculators::TcbLoan;
    const std::pair<std::size_t, framework::FieldValue> inputs[] = {
        {TcbLoan::PV, 10000.0},
        {TcbLoan::NumPmts, std::int16_t{36}},
        {TcbLoan::Rate, 10.0f},
        {TcbLoan::Pmt, 0.0}};
    // The inputs go in as typing them would: into the controller's form and onto the fields.
    for (const auto& [field, value] : inputs) {
        loan->Controller().EditField(field, value);
        loan->Editor(field).SetValue(value);
    }
    loan->ButtonOf(framework::Button::Calc)->click();
    Settle();
    allSaved &= Save(*loan, folder, QStringLiteral("loan-calculator.png"));
    loan->ButtonOf(framework::Button::Print)->click();
    if (printing.Jobs() == 0) {
        std::fprintf(stderr, "the Loan page was not printed\n");
        allSaved = false;
    }

    main.OpenPreferences();
    Settle();
    const auto dialogs = main.OpenSettingsDialogs();
    if (dialogs.empty()) {
        allSaved = false;
    } else {
        allSaved &= Save(*dialogs.front(), folder, QStringLiteral("global-settings.png"));
    }

    const QString icon = QDir(folder).filePath(QStringLiteral("program-icon.png"));
    allSaved &= QApplication::windowIcon().pixmap(128, 128).save(icon);

    main.close();
    Settle(50);
    return allSaved ? 0 : 1;
}

} // namespace quarvex::app
