#include "ui/amortization/TcalcAmort.h"

#include "amortization/calculator/LoanSettingSpecs.h"
#include "engine/EngineTypes.h"
#include "framework/settings/AccountDetails.h"
#include "platform/Messages.h"
#include "ui/amortization/AmortChartWindow.h"
#include "ui/amortization/AmortScheduleModel.h"
#include "ui/amortization/AmortStatusBar.h"
#include "ui/amortization/AmortTotalsPanel.h"
#include "ui/amortization/DisclosureInfoDialog.h"
#include "ui/framework/HelpContext.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace quarvex::ui {

using amortization::TcbAmort;
using framework::Button;

namespace {

// The grid's column widths in pixels: "#/YR", "Date" and the four amounts.
constexpr std::array<int, 6> kColumnWidths = {63, 83, 110, 115, 115, 115};
constexpr int kVisibleGridRows = 14;
const char* const kFieldHint = "Enter '0' (Zero) if this is an unknown value.";

// The legend of the grid's marks: the dagger after an extra payment, the double dagger after
// a rate change.
QString Legend() {
    return QStringLiteral("Extra Pmt: ") + QChar(0x2020) + QStringLiteral(" Rate Change: ") +
           QChar(0x2021);
}

// The payment number of the schedule's last row (0 for a schedule of the opening row only).
std::int32_t LastPaymentNumber(const amortization::TAmortSchedule& schedule) {
    return schedule.Count() > 0 ? schedule[static_cast<std::size_t>(schedule.Count() - 1)].PmtNo
                                : 0;
}

} // namespace

TcalcAmort::TcalcAmort(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                       QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    (void)Amort(); // only the amortization calculator has this window
    BuildResultsPart();
    BuildMenus();
    BuildShortcuts();
    WatchFieldFocus();

    SetButtonHint(Button::Calc, "Calculate [F9]");
    SetButtonHint(Button::Print, "Print schedule [Ctrl][P]");
    SetButtonHint(Button::Options, "Option page");
    // Calc is the window's own: it shows the schedule after the calculation.
    disconnect(ButtonOf(Button::Calc), &QPushButton::clicked, this, nullptr);
    connect(ButtonOf(Button::Calc), &QPushButton::clicked, this,
            [this] { Guarded([this] { CalcSchedule(); }); });
    // Reset gives new inputs: the schedule of the old ones goes (after the form is reset).
    connect(ButtonOf(Button::Reset), &QPushButton::clicked, this,
            [this] { Guarded([this] { DropResults(); }); });
    HideResults();
    Refresh();
}

TcalcAmort::~TcalcAmort() {
    // The information dialog refers to the account kept beside it: it goes first.
    delete disclosureInfo_;
}

const TcbAmort& TcalcAmort::Amort() const {
    return dynamic_cast<const TcbAmort&>(controller_->Buffer());
}

TcbAmort& TcalcAmort::MutableAmort() {
    return dynamic_cast<TcbAmort&>(controller_->Buffer());
}

void TcalcAmort::BuildResultsPart() {
    auto* part = new QWidget(this);
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);

    auto* commands = new QHBoxLayout;
    recalc_ = new QPushButton(QStringLiteral("R"), part);
    recalc_->setObjectName(QStringLiteral("btnReCalc"));
    recalc_->setToolTip(QStringLiteral("Recalc"));
    recalc_->setAutoDefault(false);
    SetHelpContext(recalc_, 406);
    connect(recalc_, &QPushButton::clicked, this,
            [this] { Guarded([this] { RecalcSchedule(); }); });
    commands->addWidget(recalc_);
    commands->addStretch();
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        YearMove move;
    } yearButtons[] = {
        {"btnFirst", "|<", "First Year or All", YearMove::First},
        {"btnPrev", "<", "Goto Prior Year [Ctrl][PgUp]", YearMove::Prior},
        {"btnNext", ">", "Goto Next Year [Ctrl][PgDn]", YearMove::Next},
        {"btnLast", ">|", "Goto Last Year", YearMove::Last},
    };
    for (const auto& spec : yearButtons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.caption), part);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setToolTip(QString::fromLatin1(spec.hint));
        button->setAutoDefault(false);
        const YearMove move = spec.move;
        connect(button, &QPushButton::clicked, this,
                [this, move] { Guarded([this, move] { MoveYear(move); }); });
        commands->addWidget(button);
        yearButtons_[static_cast<std::size_t>(move)] = button;
    }
    column->addLayout(commands);

    results_ = new QWidget(part);
    auto* shown = new QVBoxLayout(results_);
    shown->setContentsMargins(0, 0, 0, 0);
    years_ = new QTabBar(results_);
    years_->setObjectName(QStringLiteral("Years"));
    years_->setToolTip(QStringLiteral("Select fiscal year ending."));
    years_->setExpanding(false);
    years_->setUsesScrollButtons(true);
    // The tabs keep the height of one row of tabs and the width of the grid, however many
    // years there are (the scroll buttons reach the others).
    years_->addTab(QStringLiteral("All"));
    years_->setFixedHeight(years_->sizeHint().height());
    years_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(years_, &QTabBar::currentChanged, this,
            [this](int tab) { Guarded([this, tab] { ShowTab(tab); }); });
    shown->addWidget(years_);

    model_ = new AmortScheduleModel(Amort().Schedule(), controller_->Buffer().Context().conventions,
                                    this);
    grid_ = new QTableView(results_);
    grid_->setObjectName(QStringLiteral("grdTrans"));
    grid_->setToolTip(
        QStringLiteral("   Double click for details...\rwhen 'All' year tab is selected."));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    // Every row is as high as the next: the view places rows without measuring them, so a
    // schedule of fourteen thousand rows opens and scrolls at once.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setWordWrap(false);
    int width = 2 * grid_->frameWidth() + 20; // room for the scroll bar
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column) {
        grid_->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
        width += kColumnWidths[column];
    }
    grid_->setFixedWidth(width);
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                          kVisibleGridRows * grid_->verticalHeader()->defaultSectionSize() +
                          2 * grid_->frameWidth());
    shown->addWidget(grid_);

    totals_ = new AmortTotalsPanel(controller_->Buffer().Context().conventions, results_);
    // The payment, principal and interest totals stand under the grid's own columns.
    constexpr int kCellInset = 4;
    totals_->AlignUnder(grid_->frameWidth() + kColumnWidths[0] + kColumnWidths[1],
                        {kColumnWidths[2], kColumnWidths[3], kColumnWidths[4]}, kCellInset);
    shown->addWidget(totals_);
    // Hidden results keep their room, so the fixed-size window does not jump.
    QSizePolicy keep = results_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    results_->setSizePolicy(keep);
    column->addWidget(results_);
    AddBelowFields(part);

    status_ = new AmortStatusBar(this);
    static_cast<QBoxLayout*>(layout())->addWidget(status_);
}

QPushButton* TcalcAmort::YearButton(YearMove move) const {
    return yearButtons_.at(static_cast<std::size_t>(move));
}

QAction* TcalcAmort::Item(const std::string& name) const {
    const auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

void TcalcAmort::WatchFieldFocus() {
    for (std::size_t field = 0; field < FieldCount(); ++field) {
        Editor(field).Widget()->installEventFilter(this);
    }
}

bool TcalcAmort::eventFilter(QObject* watched, QEvent* event) {
    if (HelpOnMenuItem(watched, event)) {
        return true;
    }
    if (qobject_cast<QMenu*>(watched) != nullptr) {
        return TcalcBase::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        status_->SetText(0, QString::fromLatin1(kFieldHint));
    } else if (event->type() == QEvent::FocusOut) {
        status_->SetText(0, QString());
    }
    return TcalcBase::eventFilter(watched, event);
}

void TcalcAmort::CalcSchedule() {
    if (resultsShown_ || !CommitForm()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HideResults();
    const bool done = controller_->Calc();
    QApplication::restoreOverrideCursor();
    Refresh();
    if (done) {
        RebuildTabs(0);
        ShowResults();
    }
}

void TcalcAmort::RecalcSchedule() {
    if (!resultsShown_) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool done = false;
    Guarded([this, &done] {
        try {
            MutableAmort().Recalc();
            done = true;
        } catch (...) {
            QApplication::restoreOverrideCursor();
            HideResults();
            throw;
        }
    });
    if (!done) {
        return;
    }
    QApplication::restoreOverrideCursor();
    RebuildTabs(0);
    ShowResults();
    grid_->viewport()->update();
}

void TcalcAmort::ShowResults() {
    resultsShown_ = true;
    results_->show();
    // The schedule makes the window grow downwards: it moves up as far as it must to stay on
    // its screen, buttons and status bar included.
    PlaceWindow(this, ClientPosition(this));
    ShowTab(years_->currentIndex());
    ShowStatus();
    ApplyEnabling();
}

void TcalcAmort::HideResults() {
    resultsShown_ = false;
    results_->hide();
    model_->Clear();
    status_->Clear();
    // The chart stays open, empty, and fills again at the next Calc.
    if (chart_ != nullptr) {
        chart_->Clear();
    }
    ApplyEnabling();
}

void TcalcAmort::DropResults() {
    MutableAmort().ClearResults();
    HideResults();
}

void TcalcAmort::AfterFieldEdited(std::size_t /*field*/) {
    DropResults();
}

void TcalcAmort::RefreshForm() {
    TcalcBase::RefreshForm();
    if (resultsShown_ && !(Amort().HasResults() && controller_->Calculated())) {
        HideResults();
    }
    ShowStateInMenus();
    ApplyEnabling();
    YieldKeysToMenus();
}

void TcalcAmort::YieldKeysToMenus() {
    if (menus_ == nullptr) {
        return;
    }
    // Alt and a letter opens the menu of that letter ("&Calc" with Alt+C); a button with the
    // same letter would make the key ambiguous and do neither, so the button gives it up.
    QString menuKeys;
    for (const QAction* menu : menus_->actions()) {
        const qsizetype at = menu->text().indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < menu->text().size()) {
            menuKeys += menu->text().at(at + 1).toLower();
        }
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        QString text = button->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size() && menuKeys.contains(text.at(at + 1).toLower())) {
            button->setText(text.remove(at, 1));
        }
    }
}

void TcalcAmort::ApplyEnabling() {
    if (recalc_ == nullptr || menus_ == nullptr) {
        return; // still building
    }
    const bool shown = resultsShown_;
    const bool ruleOf78s = controller_->Form().Get<framework::Choice>(TcbAmort::AmortMthd).index ==
                           static_cast<int>(engine::AmortMethod::RuleOf78s);
    const bool calculator = controller_->ShownPanel() == framework::Panel::Calculator;
    ButtonOf(Button::Calc)->setEnabled(!shown && calculator);
    ButtonOf(Button::Print)->setEnabled(shown);
    ButtonOf(Button::Copy)->setEnabled(shown);
    recalc_->setEnabled(shown && !ruleOf78s);
    for (QPushButton* button : yearButtons_) {
        button->setEnabled(shown);
    }
    Item("actCalc")->setEnabled(!shown && calculator);
    Item("actRecalc")->setEnabled(shown && !ruleOf78s);
    Item("actPrint")->setEnabled(shown);
    Item("actSchedule")->setEnabled(shown);
    Item("actAprDetail")->setEnabled(shown);
    Item("actAprDisclosure")->setEnabled(shown);
    Item("actScheduleChart")->setEnabled(shown);
}

void TcalcAmort::ShowStatus() {
    const amortization::AmortSettings& settings = Amort().State().Settings;
    const auto specs = amortization::LoanSettingSpecs();
    const auto name = [&settings](const amortization::LoanSettingSpec& spec) {
        return ToQString(std::string(spec.TextOf(spec.get(settings))));
    };
    status_->SetText(0, name(specs[0]));
    status_->SetText(1, name(specs[1]) + QStringLiteral(" method."));
    status_->SetText(2, QStringLiteral("Last: ") +
                            QString::number(LastPaymentNumber(Amort().Schedule())));
    status_->SetText(3, Legend());
}

void TcalcAmort::RebuildTabs(int selected) {
    const QSignalBlocker quiet(years_);
    while (years_->count() > 0) {
        years_->removeTab(0);
    }
    years_->addTab(QStringLiteral("All"));
    for (const amortization::YearTab& tab : Amort().Tabs()) {
        years_->addTab(ToQString(tab.Label));
    }
    years_->setCurrentIndex(std::clamp(selected, 0, years_->count() - 1));
    ShowTab(years_->currentIndex());
}

void TcalcAmort::ShowTab(int tab) {
    if (chart_ != nullptr) {
        chart_->ShowTab(tab);
    }
    if (!Amort().HasResults() || tab < 0) {
        model_->Clear();
        return;
    }
    const TcbAmort::TabView view = Amort().ViewOfTab(static_cast<std::size_t>(tab));
    model_->ShowRows(view.FirstRow, view.EndRow);
    totals_->Show(view);
}

void TcalcAmort::ShowScheduleChart() {
    if (!resultsShown_) {
        return;
    }
    if (chart_ == nullptr) {
        chart_ = new AmortChartWindow(Amort(), this);
    }
    chart_->ShowTab(years_->currentIndex());
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void TcalcAmort::SelectTab(int tab) {
    if (tab >= 0 && tab < years_->count()) {
        years_->setCurrentIndex(tab);
    }
}

void TcalcAmort::MoveYear(YearMove move) {
    if (!resultsShown_) {
        return;
    }
    const int current = years_->currentIndex();
    const int last = years_->count() - 1;
    switch (move) {
    case YearMove::First:
        SelectTab(current == 1 ? 0 : std::min(1, last));
        break;
    case YearMove::Prior:
        SelectTab(std::max(current - 1, 0));
        break;
    case YearMove::Next:
        SelectTab(std::min(current + 1, last));
        break;
    case YearMove::Last:
        SelectTab(last);
        break;
    }
}

void TcalcAmort::StepYear(int step) {
    if (!resultsShown_ || years_->count() == 0) {
        return;
    }
    const int count = years_->count();
    SelectTab(((years_->currentIndex() + step) % count + count) % count);
}

void TcalcAmort::SetYearEnding(int month) {
    MutableAmort().SetYearEnding(month);
    ShowStateInMenus();
    if (resultsShown_) {
        const std::size_t yearTabs = Amort().Tabs().size();
        RebuildTabs(static_cast<int>(amortization::TabAfterYearEndingChange(
            static_cast<std::size_t>(years_->currentIndex()), yearTabs)));
    }
}

void TcalcAmort::SetState(const amortization::AmortCalcState& state) {
    MutableAmort().SetState(state);
    ShowStateInMenus();
}

void RegisterAmortizationWindows() {
    RegisterWindowMaker(
        "amort", [](std::unique_ptr<framework::CalculatorController> controller, UiContext& ui) {
            return static_cast<CalculatorWindow*>(new TcalcAmort(std::move(controller), ui));
        });
}

} // namespace quarvex::ui
