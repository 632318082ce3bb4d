// The menus of the amortization window and the dialogs they open.
#include "ui/amortization/TcalcAmort.h"

#include "platform/Help.h"
#include "ui/amortization/TfrmAmortSettings.h"
#include "ui/platform/QtText.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

namespace quarvex::ui {

using framework::Button;

namespace {

const char* const kNotAvailable = "Not available yet";
// The property of a menu item that holds its help context.
const char* const kHelpContextProperty = "helpContext";

} // namespace

QAction* TcalcAmort::AddItem(QMenu* menu, const QString& text, const std::string& name) {
    QAction* item = menu->addAction(text);
    item->setObjectName(ToQString(name));
    items_[name] = item;
    return item;
}

void TcalcAmort::AddLaterItem(QMenu* menu, const QString& text, const std::string& name) {
    QAction* item = AddItem(menu, text, name);
    item->setEnabled(false);
    item->setToolTip(QString::fromLatin1(kNotAvailable));
    item->setStatusTip(QString::fromLatin1(kNotAvailable));
}

void TcalcAmort::BuildMenus() {
    menus_ = new QMenuBar(this);
    menus_->setObjectName(QStringLiteral("MainMenu"));

    QMenu* calc = menus_->addMenu(QStringLiteral("&Calc"));
    calc->setToolTipsVisible(true);
    QAction* calcItem = AddItem(calc, QStringLiteral("&Calc"), "actCalc");
    calcItem->setShortcut(QKeySequence(Qt::Key_F9));
    connect(calcItem, &QAction::triggered, this, [this] { Guarded([this] { CalcSchedule(); }); });
    QAction* recalcItem = AddItem(calc, QStringLiteral("&Recalc"), "actRecalc");
    recalcItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    recalcItem->setProperty(kHelpContextProperty, 406);
    connect(recalcItem, &QAction::triggered, this,
            [this] { Guarded([this] { RecalcSchedule(); }); });
    calc->addSeparator();
    AddLaterItem(calc, QStringLiteral("&Save..."), "actSave");
    Item("actSave")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddLaterItem(calc, QStringLiteral("&Load..."), "actLoad");
    Item("actLoad")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QAction* printItem = AddItem(calc, QStringLiteral("&Print..."), "actPrint");
    printItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printItem, &QAction::triggered, ButtonOf(Button::Print), &QPushButton::click);

    menus_->addMenu(BuildLoanMenu());

    QMenu* reports = menus_->addMenu(QStringLiteral("R&eports"));
    reports->setToolTipsVisible(true);
    AddItem(reports, QStringLiteral("&Schedule"), "actSchedule"); // no action of its own
    AddItem(reports, QStringLiteral("&APR Disclosure"), "actAprDisclosure");
    connect(Item("actAprDisclosure"), &QAction::triggered, this, [this] { ShowAprDisclosure(); });

    QMenu* charts = menus_->addMenu(QStringLiteral("Charts"));
    charts->setObjectName(QStringLiteral("mnuCharts"));
    connect(AddItem(charts, QStringLiteral("&Schedule Chart"), "actScheduleChart"),
            &QAction::triggered, this, [this] { Guarded([this] { ShowScheduleChart(); }); });

    QAction* options = menus_->addAction(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("actOptions"));
    connect(options, &QAction::triggered, ButtonOf(Button::Options), &QPushButton::click);
    QAction* help = menus_->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("actHelp"));
    connect(help, &QAction::triggered, ButtonOf(Button::Help), &QPushButton::click);
    QAction* exit = menus_->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("actExit"));
    connect(exit, &QAction::triggered, ButtonOf(Button::Close), &QPushButton::click);

    // F1 on a menu item opens its help page.
    for (QMenu* menu : menus_->findChildren<QMenu*>()) {
        menu->installEventFilter(this);
    }
    layout()->setMenuBar(menus_);
    // The keys of the items act while the window has the focus, not only in an open menu.
    for (const auto& [name, item] : items_) {
        if (!item->shortcut().isEmpty()) {
            addAction(item);
        }
    }
}

QMenu* TcalcAmort::BuildLoanMenu() {
    auto* loan = new QMenu(QStringLiteral("&Loan"), menus_);
    loan->setToolTipsVisible(true);
    connect(AddItem(loan, QStringLiteral("Loan Settings..."), "actLoanSettings"),
            &QAction::triggered, this, [this] { Guarded([this] { OpenLoanSettings(); }); });
    QAction* balloon = AddItem(loan, QStringLiteral("Balloon Period..."), "actBalloonPeriod");
    balloon->setProperty(kHelpContextProperty, 328);
    connect(balloon, &QAction::triggered, this,
            [this] { Guarded([this] { AskBalloonPeriod(); }); });
    QAction* fees = AddItem(loan, QStringLiteral("One Time Fees..."), "actOneTimeFees");
    fees->setProperty(kHelpContextProperty, 342);
    connect(fees, &QAction::triggered, this, [this] { Guarded([this] { AskOneTimeFees(); }); });
    QAction* interestOnly =
        AddItem(loan, QStringLiteral("Intial Interest Only..."), "actInterestOnly");
    interestOnly->setProperty(kHelpContextProperty, 340);
    connect(interestOnly, &QAction::triggered, this,
            [this] { Guarded([this] { AskInterestOnlyPeriods(); }); });
    loan->addSeparator();

    const struct {
        const char* text;
        const char* name;
        int help;
        bool amortization::AmortCalcState::*flag;
    } switches[] = {
        {"Force Payment Calculation", "actForcePmtCalc", 367,
         &amortization::AmortCalcState::ForcePmtCalc},
        {"Recalc Pmt After 0 Pmt", "actRecalcPmtAfterZero", 420,
         &amortization::AmortCalcState::RecalcPmtAfterZero},
        {"Optimize Payments", "actOptimizePmts", 421, &amortization::AmortCalcState::OptimizePmts},
    };
    for (const auto& spec : switches) {
        QAction* item = AddItem(loan, QString::fromLatin1(spec.text), spec.name);
        item->setCheckable(true);
        item->setProperty(kHelpContextProperty, spec.help);
        const auto flag = spec.flag;
        connect(item, &QAction::triggered, this, [this, flag](bool on) {
            Guarded([this, flag, on] {
                amortization::AmortCalcState state = Amort().State();
                state.*flag = on;
                SetState(state);
            });
        });
    }
    loan->addSeparator();
    BuildYearEndingMenu(loan);
    loan->addSeparator();

    QMenu* payments = loan->addMenu(QStringLiteral("Payments..."));
    QMenu* rates = loan->addMenu(QStringLiteral("Rates..."));
    payments->setObjectName(QStringLiteral("mnuPayments"));
    rates->setObjectName(QStringLiteral("mnuRates"));
    const struct {
        QMenu* menu;
        const char* group;
        const char* name;
    } adjustments[] = {{payments, "Regular", "Payments.Regular"},
                       {payments, "Extra", "Payments.Extra"},
                       {rates, "Regular", "Rates.Regular"},
                       {rates, "Accrual Rate", "Rates.Accrual"}};
    for (const auto& adjustment : adjustments) {
        adjustment.menu->setToolTipsVisible(true);
        QMenu* group = adjustment.menu->addMenu(QString::fromLatin1(adjustment.group));
        group->setToolTipsVisible(true);
        AddLaterItem(group, QStringLiteral("Periodic Adjust"),
                     std::string("act") + adjustment.name + ".Periodic");
        AddLaterItem(group, QStringLiteral("Annual Adjust"),
                     std::string("act") + adjustment.name + ".Annual");
    }
    for (QMenu* menu : {payments, rates}) {
        menu->menuAction()->setEnabled(false);
        menu->menuAction()->setToolTip(QString::fromLatin1(kNotAvailable));
    }
    AddItem(loan, QStringLiteral("APR Detail"), "actAprDetail");
    Item("actAprDetail")->setProperty(kHelpContextProperty, 343);
    connect(Item("actAprDetail"), &QAction::triggered, this, [this] { ShowAprDetail(); });
    AddLaterItem(loan, QStringLiteral("Summary"), "actSummary");
    return loan;
}

QMenu* TcalcAmort::BuildYearEndingMenu(QMenu* parent) {
    QMenu* months = parent->addMenu(QStringLiteral("&Year Ending"));
    months->setObjectName(QStringLiteral("mnuYearEnding"));
    auto* group = new QActionGroup(months);
    group->setExclusive(true);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int month = 1; month <= 12; ++month) {
        QAction* item = AddItem(months, QStringLiteral("&") + english.monthName(month),
                                "actYearEnding" + std::to_string(month));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, month] { Guarded([this, month] { SetYearEnding(month); }); });
    }
    return months;
}

bool TcalcAmort::HelpOnMenuItem(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 || menu->activeAction() == nullptr) {
        return false;
    }
    const int context = menu->activeAction()->property(kHelpContextProperty).toInt();
    if (context == 0) {
        return false;
    }
    menu->close();
    ui_.help.ShowContext(context);
    return true;
}

void TcalcAmort::BuildShortcuts() {
    const struct {
        QKeySequence keys;
        int step;
    } steps[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1}};
    for (const auto& spec : steps) {
        auto* shortcut = new QShortcut(spec.keys, this);
        const int step = spec.step;
        connect(shortcut, &QShortcut::activated, this,
                [this, step] { Guarded([this, step] { StepYear(step); }); });
    }
}

void TcalcAmort::ShowStateInMenus() {
    if (menus_ == nullptr) {
        return;
    }
    const amortization::AmortCalcState& state = Amort().State();
    Item("actForcePmtCalc")->setChecked(state.ForcePmtCalc);
    Item("actRecalcPmtAfterZero")->setChecked(state.RecalcPmtAfterZero);
    Item("actOptimizePmts")->setChecked(state.OptimizePmts);
    Item("actYearEnding" + std::to_string(state.YearEnding))->setChecked(true);
    const QString current = QStringLiteral("Current value ");
    Item("actBalloonPeriod")->setToolTip(current + QString::number(state.BalloonPeriod));
    Item("actInterestOnly")->setToolTip(current + QString::number(state.IntOnlyPmts));
}

void TcalcAmort::OpenLoanSettings() {
    TfrmAmortSettings dialog(Amort().State().Settings, ui_.help, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed()) {
        return;
    }
    amortization::AmortCalcState state = Amort().State();
    state.Settings = dialog.Settings();
    SetState(state);
    DropResults();
    // The values shown are no longer those calculated: the marker turns red.
    const std::size_t first = 0;
    controller_->EditField(first, controller_->Form().Value(first));
    RefreshMarker();
}

bool TcalcAmort::AskValue(const AmortValueDialog::Question& question,
                          framework::FieldValue& value) {
    AmortValueDialog dialog(question, value, ui_, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = dialog.Value();
    return true;
}

void TcalcAmort::AskBalloonPeriod() {
    framework::FieldValue value = std::int32_t{Amort().State().BalloonPeriod};
    if (AskValue(AmortValueDialog::BalloonPeriod(), value)) {
        amortization::AmortCalcState state = Amort().State();
        state.BalloonPeriod = static_cast<std::uint16_t>(std::get<std::int32_t>(value));
        SetState(state);
    }
}

void TcalcAmort::AskOneTimeFees() {
    framework::FieldValue value = Amort().State().OneTimeFees;
    if (AskValue(AmortValueDialog::OneTimeFees(), value)) {
        amortization::AmortCalcState state = Amort().State();
        state.OneTimeFees = framework::AsDouble(value);
        SetState(state);
    }
}

void TcalcAmort::AskInterestOnlyPeriods() {
    framework::FieldValue value = Amort().State().IntOnlyPmts;
    if (AskValue(AmortValueDialog::InterestOnlyPeriods(), value)) {
        amortization::AmortCalcState state = Amort().State();
        state.IntOnlyPmts = std::get<std::int32_t>(value);
        SetState(state);
    }
}

} // namespace quarvex::ui
