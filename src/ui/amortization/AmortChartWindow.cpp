#include "ui/amortization/AmortChartWindow.h"

#include "ui/platform/QtText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace quarvex::ui {

namespace {

constexpr int kChartWidth = 640;
constexpr int kChartHeight = 300;
const char* const kAmountFormat = "%.0f";

QChartView* NewView(QChart* chart, const char* name, QWidget* parent) {
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartWidth, kChartHeight);
    return view;
}

QValueAxis* AmountAxis(QChart* chart) {
    auto* axis = new QValueAxis(chart);
    axis->setLabelFormat(QString::fromLatin1(kAmountFormat));
    axis->setMin(0);
    chart->addAxis(axis, Qt::AlignLeft);
    return axis;
}

} // namespace

AmortChartWindow::AmortChartWindow(const amortization::TcbAmort& amort, QWidget* parent)
    : QWidget(parent, Qt::Window), amort_(amort) {
    setObjectName(QStringLiteral("frmScheduleChart"));
    setWindowTitle(QStringLiteral("Schedule Chart"));
    auto* column = new QVBoxLayout(this);
    charts_ = new QWidget(this);
    auto* charts = new QVBoxLayout(charts_);
    charts->setContentsMargins(0, 0, 0, 0);
    column->addWidget(charts_);
    BuildBalanceChart();
    BuildYearsChart();
    charts->addWidget(balanceView_);
    charts->addWidget(yearsView_);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    copy_ = new QPushButton(QStringLiteral("&Copy"), this);
    copy_->setObjectName(QStringLiteral("btnCopy"));
    copy_->setToolTip(QStringLiteral("Copy the charts as a picture"));
    connect(copy_, &QPushButton::clicked, this, [this] { CopyToClipboard(); });
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    commands->addWidget(copy_);
    commands->addWidget(close);
    column->addLayout(commands);
}

void AmortChartWindow::BuildBalanceChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Balance"));
    balance_ = new QLineSeries(chart);
    balance_->setName(QStringLiteral("Balance after payment"));
    chart->addSeries(balance_);
    payments_ = new QValueAxis(chart);
    payments_->setLabelFormat(QStringLiteral("%d"));
    payments_->setTitleText(QStringLiteral("Payment #"));
    chart->addAxis(payments_, Qt::AlignBottom);
    balance_->attachAxis(payments_);
    balanceAmounts_ = AmountAxis(chart);
    balance_->attachAxis(balanceAmounts_);
    balanceView_ = NewView(chart, "chtBalance", charts_);
}

void AmortChartWindow::BuildYearsChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Principal and Interest by Year"));
    auto* bars = new QBarSeries(chart);
    principal_ = new QBarSet(QStringLiteral("Principal"), bars);
    interest_ = new QBarSet(QStringLiteral("Interest"), bars);
    bars->append(principal_);
    bars->append(interest_);
    chart->addSeries(bars);
    years_ = new QBarCategoryAxis(chart);
    years_->setTitleText(QStringLiteral("Year"));
    chart->addAxis(years_, Qt::AlignBottom);
    bars->attachAxis(years_);
    yearAmounts_ = AmountAxis(chart);
    bars->attachAxis(yearAmounts_);
    yearsView_ = NewView(chart, "chtYears", charts_);
}

void AmortChartWindow::ShowTab(int tab) {
    if (!amort_.HasResults() || tab < 0) {
        Clear();
        return;
    }
    DrawBalance(amort_.ViewOfTab(static_cast<std::size_t>(tab)));
    DrawYears();
}

void AmortChartWindow::DrawBalance(const amortization::TcbAmort::TabView& view) {
    const amortization::TAmortSchedule& schedule = amort_.Schedule();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(view.EndRow - view.FirstRow));
    double highest = 0;
    for (std::size_t row = view.FirstRow; row < view.EndRow; ++row) {
        const amortization::TTransRec& record = schedule[row];
        points.append(QPointF(record.PmtNo, record.PrinBal));
        highest = std::max(highest, record.PrinBal);
    }
    balance_->replace(points);
    if (!points.isEmpty()) {
        payments_->setRange(points.front().x(),
                            std::max(points.back().x(), points.front().x() + 1));
    }
    balanceAmounts_->setRange(0, std::max(highest, 1.0));
}

void AmortChartWindow::DrawYears() {
    QStringList labels;
    QList<qreal> principal;
    QList<qreal> interest;
    double highest = 0;
    const std::vector<amortization::YearTab> tabs = amort_.Tabs();
    for (std::size_t tab = 1; tab <= tabs.size(); ++tab) {
        const amortization::TcbAmort::TabView year = amort_.ViewOfTab(tab);
        labels.append(ToQString(tabs[tab - 1].Label));
        principal.append(year.YearPrincipal);
        interest.append(year.YearInterest);
        highest = std::max({highest, year.YearPrincipal, year.YearInterest});
    }
    principal_->remove(0, principal_->count());
    interest_->remove(0, interest_->count());
    principal_->append(principal);
    interest_->append(interest);
    years_->setCategories(labels);
    yearAmounts_->setRange(0, std::max(highest, 1.0));
}

void AmortChartWindow::Clear() {
    balance_->clear();
    principal_->remove(0, principal_->count());
    interest_->remove(0, interest_->count());
    years_->clear();
}

void AmortChartWindow::CopyToClipboard() {
    QGuiApplication::clipboard()->setImage(charts_->grab().toImage(), QClipboard::Clipboard);
}

} // namespace quarvex::ui
