#include "app/Screenshots.h"

#include "app/Program.h"
#include "calculators/Loan.h"
#include "engines/depreciation/calculator/TcbDecBal.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "engines/depreciation/calculator/TcbYearsDepreciation.h"
#include "ui/amortization/TcalcAmort.h"
#include "ui/dialogs/GlobalSettingsDialog.h"
#include "ui/framework/TcalcBase.h"
#include "ui/platform/ReportRendering.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

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

namespace {

// The whole screen as the user sees it: the window manager's frames, the stacking of the
// windows and where they stand.
bool SaveScreen(const QString& folder, const QString& name) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QString file = QDir(folder).filePath(name);
    const bool saved = screen != nullptr && screen->grabWindow(0).save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save",
                 qPrintable(file));
    return saved;
}

void ReportPlace(const char* what, const QWidget& window) {
    const QRect inside = window.geometry();
    const QRect frame = window.frameGeometry();
    std::printf("%s: inside at %d,%d (%dx%d), frame at %d,%d\n", what, inside.x(), inside.y(),
                inside.width(), inside.height(), frame.x(), frame.y());
}

// Keys typed into the field with the focus, as the keyboard would send them.
void TypeKeys(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

// Runs `action`, which opens a modal dialog; while the dialog shows, `look` saves what it
// needs and the dialog is closed as Esc would.
bool WhileModalDo(const QString& name, const std::function<bool(QWidget&)>& look,
                  const std::function<void()>& action) {
    bool saved = false;
    bool shown = false;
    QTimer poll;
    poll.setInterval(400);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        poll.stop();
        shown = true;
        saved = look(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    if (!shown) {
        std::fprintf(stderr, "no dialog showed for %s\n", qPrintable(name));
    }
    return saved;
}

// The whole screen while the dialog `action` opens shows, saved as `name`.
bool WhileModal(const QString& folder, const QString& name, const std::function<void()>& action) {
    return WhileModalDo(
        name, [&](QWidget&) { return SaveScreen(folder, name); }, action);
}

// The dialog `action` opens, itself and the whole screen around it: `name`.png and
// screen-`name`.png.
bool WhileModalWindow(const QString& folder, const QString& name,
                      const std::function<void()>& action) {
    return WhileModalDo(
        name,
        [&](QWidget& dialog) {
            const bool own = Save(dialog, folder, name + QStringLiteral(".png"));
            return SaveScreen(folder, QStringLiteral("screen-") + name + QStringLiteral(".png")) &&
                   own;
        },
        action);
}

ui::TcalcBase* Open(ui::MainWindow& main, const char* stem, const QString& caption) {
    main.Launch(stem);
    Settle();
    ui::TcalcBase* window = FindCalculatorWindow(caption);
    if (window == nullptr) {
        std::fprintf(stderr, "%s did not open\n", qPrintable(caption));
    }
    return window;
}

// The amortization calculator with a 30-year loan calculated: the window, its Loan Settings
// and its APR Detail.
bool ShootAmortization(ui::MainWindow& main, const QString& folder) {
    auto* amort = qobject_cast<ui::TcalcAmort*>(
        Open(main, "amort", QStringLiteral("Amortization Schedule 1")));
    if (amort == nullptr) {
        return false;
    }
    ReportPlace("Amortization Schedule 1 opened", *amort);
    using amortization::TcbAmort;
    // 200 000 at 6.5 % over 360 months: PMT(6.5 %/12, 360, -200000) = 1,264.14.
    const std::pair<std::size_t, const char*> typed[] = {
        {TcbAmort::PV, "200000"},          {TcbAmort::NumPmts, "360"},
        {TcbAmort::Rate, "6.5"},           {TcbAmort::Pmt, "0"},
        {TcbAmort::OrgDate, "07/01/2024"}, {TcbAmort::FirstPmtDate, "08/01/2024"}};
    for (const auto& [field, text] : typed) {
        TypeKeys(amort->Editor(field).Widget(), QString::fromLatin1(text));
    }
    amort->ButtonOf(framework::Button::Calc)->click();
    Settle();
    if (!amort->ResultsShown()) {
        std::fprintf(stderr, "the amortization schedule did not show\n");
    }
    bool allSaved = amort->ResultsShown();
    allSaved &= Save(*amort, folder, QStringLiteral("amortization.png"));
    amort->Years()->setCurrentIndex(1);
    Settle();
    allSaved &= Save(*amort, folder, QStringLiteral("amortization-first-year.png"));
    allSaved &= SaveScreen(folder, QStringLiteral("screen-amortization.png"));
    allSaved &= WhileModalWindow(folder, QStringLiteral("amortization-loan-settings"),
                                 [amort] { amort->OpenLoanSettings(); });
    allSaved &= WhileModalWindow(folder, QStringLiteral("amortization-apr-detail"),
                                 [amort] { amort->ShowAprDetail(); });
    amort->ButtonOf(framework::Button::Close)->click();
    Settle();
    return allSaved;
}

// The four depreciation calculators, each with a calculated asset.
bool ShootDepreciation(ui::MainWindow& main, const QString& folder) {
    using Years = engines::TcbYearsDepreciation;
    using engines::TcbDecBal;
    using engines::TcbMACRS;
    using Typed = std::vector<std::pair<std::size_t, const char*>>;
    const Typed years = {
        {Years::BookValue, "10000"}, {Years::SalvageValue, "1000"}, {Years::RecoveryPeriod, "5"}};
    const struct {
        const char* stem;
        const char* caption;
        const char* name;
        Typed typed;
    } calculators[] = {
        {"sldep", "Straight Line Depreciation Calculator 1", "straight-line-depreciation", years},
        {"sumofyears", "Sum-of-Years Depreciation Calculator 1", "sum-of-years-depreciation",
         years},
        {"decbal",
         "Declining Balance Depreciation Calculator 1",
         "declining-balance-depreciation",
         {{TcbDecBal::BookValue, "10000"},
          {TcbDecBal::SalvageValue, "1000"},
          {TcbDecBal::RecoveryPeriod, "5"},
          {TcbDecBal::Acceleration, "200"}}},
        {"macrs",
         "MACRS Depreciation Calculator 1",
         "macrs-depreciation",
         {{TcbMACRS::BookValue, "100000"}, {TcbMACRS::RecoveryPeriod, "5"}}},
    };
    bool allSaved = true;
    for (const auto& calculator : calculators) {
        ui::TcalcBase* window =
            Open(main, calculator.stem, QString::fromLatin1(calculator.caption));
        if (window == nullptr) {
            allSaved = false;
            continue;
        }
        for (const auto& [field, text] : calculator.typed) {
            TypeKeys(window->Editor(field).Widget(), QString::fromLatin1(text));
        }
        window->ButtonOf(framework::Button::Calc)->click();
        Settle();
        allSaved &= Save(*window, folder, QStringLiteral("%1.png").arg(calculator.name));
        window->ButtonOf(framework::Button::Close)->click();
        Settle();
    }
    return allSaved;
}

} // namespace

int TakeScreenshots(Program& program, const PicturePrinting& printing, const QString& folder) {
    bool allSaved = true;
    ui::MainWindow& main = program.Window();
    Settle(800);
    ReportPlace("main window", main);
    allSaved &= Save(main, folder, QStringLiteral("main-window.png"));
    allSaved &= SaveScreen(folder, QStringLiteral("screen-main.png"));

    ui::TcalcBase* loan = Open(main, "loan", QStringLiteral("Loan Calculator 1"));
    if (loan == nullptr) {
        return 1;
    }
    ReportPlace("Loan Calculator 1 opened", *loan);
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
    allSaved &= SaveScreen(folder, QStringLiteral("screen-loan.png"));
    loan->ButtonOf(framework::Button::Print)->click();
    if (printing.Jobs() == 0) {
        std::fprintf(stderr, "the Loan page was not printed\n");
        allSaved = false;
    }

    // What a new user runs into: a calculator's message, and a value the field refuses.
    TypeKeys(loan->Editor(TcbLoan::Rate).Widget(), QStringLiteral("0"));
    TypeKeys(loan->Editor(TcbLoan::Pmt).Widget(), QStringLiteral("0"));
    allSaved &= WhileModal(folder, QStringLiteral("screen-loan-message.png"),
                           [&] { loan->ButtonOf(framework::Button::Calc)->click(); });
    Settle();
    allSaved &= SaveScreen(folder, QStringLiteral("screen-loan-after-message.png"));
    TypeKeys(loan->Editor(TcbLoan::Rate).Widget(), QStringLiteral("10"));
    TypeKeys(loan->Editor(TcbLoan::PV).Widget(), QStringLiteral("123456789012"));
    allSaved &= WhileModal(folder, QStringLiteral("screen-loan-refusal.png"),
                           [&] { loan->ButtonOf(framework::Button::Calc)->click(); });
    Settle();
    allSaved &= Save(*loan, folder, QStringLiteral("loan-after-refusal.png"));
    TypeKeys(loan->Editor(TcbLoan::PV).Widget(), QStringLiteral("10000"));
    TypeKeys(loan->Editor(TcbLoan::Pmt).Widget(), QStringLiteral("0"));

    // A second window of the calculator, then both closed and the first reopened.
    ui::TcalcBase* second = Open(main, "loan", QStringLiteral("Loan Calculator 2"));
    if (second != nullptr) {
        ReportPlace("Loan Calculator 2 opened", *second);
        allSaved &= SaveScreen(folder, QStringLiteral("screen-two-loans.png"));
        second->ButtonOf(framework::Button::Close)->click();
    }
    ReportPlace("Loan Calculator 1 closed", *loan);
    loan->ButtonOf(framework::Button::Close)->click();
    Settle();
    for (int reopening = 1; reopening <= 3; ++reopening) {
        loan = Open(main, "loan", QStringLiteral("Loan Calculator 1"));
        if (loan == nullptr) {
            return 1;
        }
        ReportPlace("Loan Calculator 1 reopened", *loan);
        loan->ButtonOf(framework::Button::Close)->click();
        Settle();
    }

    // Calculators with few fields, and their options panels.
    for (const auto& [stem, caption, name] :
         {std::tuple{"preval", "Present Value of an Amount Calculator 1", "pv-of-an-amount"},
          std::tuple{"intrate", "Interest Rate Calculator 1", "interest-rate-earned"}}) {
        ui::TcalcBase* window = Open(main, stem, QString::fromUtf8(caption));
        if (window == nullptr) {
            allSaved = false;
            continue;
        }
        allSaved &= Save(*window, folder, QStringLiteral("%1.png").arg(QLatin1String(name)));
        window->ButtonOf(framework::Button::Options)->click();
        Settle();
        allSaved &=
            Save(*window, folder, QStringLiteral("%1-options.png").arg(QLatin1String(name)));
        window->ButtonOf(framework::Button::Options)->click();
        window->ButtonOf(framework::Button::Close)->click();
        Settle();
    }

    allSaved &= ShootAmortization(main, folder);
    allSaved &= ShootDepreciation(main, folder);

    main.OpenPreferences();
    Settle();
    const auto dialogs = main.OpenSettingsDialogs();
    if (dialogs.empty()) {
        allSaved = false;
    } else {
        ui::TfrmGlobals& settings = *dialogs.front();
        allSaved &= Save(settings, folder, QStringLiteral("global-settings.png"));
        allSaved &= SaveScreen(folder, QStringLiteral("screen-global-settings.png"));
        for (int page = 2; page <= 3; ++page) {
            settings.NextPage();
            Settle();
            allSaved &= Save(settings, folder, QStringLiteral("global-settings-%1.png").arg(page));
        }
        settings.close();
        Settle();
    }

    if (QAction* font = main.findChild<QAction*>(QStringLiteral("mnuPrinterFont"))) {
        allSaved &= WhileModal(folder, QStringLiteral("screen-printer-font.png"),
                               [font] { font->trigger(); });
    }

    const QString icon = QDir(folder).filePath(QStringLiteral("program-icon.png"));
    allSaved &= QApplication::windowIcon().pixmap(128, 128).save(icon);

    ReportPlace("main window at closing", main);
    main.close();
    Settle(50);
    return allSaved ? 0 : 1;
}

} // namespace quarvex::app
