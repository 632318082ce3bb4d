#include "ui/amortization/AprDetailWindow.h"

#include "amortization/calculator/AmortCalcErrors.h"
#include "amortization/calculator/AprFlows.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"
#include "platform/Clipboard.h"
#include "platform/Help.h"
#include "platform/Printing.h"
#include "ui/amortization/AprDetailPage.h"
#include "ui/framework/GuardedCall.h"
#include "ui/framework/HelpContext.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"
#include "ui/platform/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace quarvex::ui {

namespace {

constexpr std::string_view kPositionKey = "Annual Percentage Rate";
constexpr int kWindowHelp = 343;
constexpr int kDaysToFirstPaymentHelp = 113;
constexpr std::size_t kDaysToFirstPayment = 15;
constexpr int kPrintHelp = 20;
constexpr int kCopyHelp = 27;
constexpr int kHelpHelp = 18;
constexpr int kCloseHelp = 381;
// The window shows the figures in two columns as the copied text pairs them.
constexpr std::size_t kRowsPerColumn = 13;

std::string PositionKey() {
    return std::string(framework::settings_keys::kRootKey) + "\\" + std::string(kPositionKey);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int help) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    SetHelpContext(button, help);
    return button;
}

} // namespace

TfrmAmortAPR::TfrmAmortAPR(UiContext& ui, const amortization::AprDetail& detail, QWidget* parent)
    : QDialog(parent), ui_(ui), detail_(detail) {
    setObjectName("frmAmortAPR");
    setWindowTitle(ToQString(amortization::kAprDetailCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kWindowHelp);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("oedApr%1").arg(i));
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
        field->setText(ToQString(
            AprFigureFieldText(AprDetailFigure(detail_, i), ui_.masks, ui_.buffers.conventions)));
        auto* label = new QLabel(ToQString(amortization::kAprDetailPrompts[i]), this);
        label->setBuddy(field);
        if (i == kDaysToFirstPayment) {
            SetHelpContext(field, kDaysToFirstPaymentHelp);
        }
        const int row = static_cast<int>(i % kRowsPerColumn);
        const int column = static_cast<int>(i / kRowsPerColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        fields_[i] = field;
    }

    auto* print = Button(this, "btnPrint", tr("&Print"), kPrintHelp);
    auto* copy = Button(this, "btnCopy", tr("Cop&y"), kCopyHelp);
    auto* help = Button(this, "btnHelp", tr("&Help"), kHelpHelp);
    auto* close = Button(this, "btnClose", tr("Close"), kCloseHelp);
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, &TfrmAmortAPR::Print);
    connect(copy, &QPushButton::clicked, this, &TfrmAmortAPR::Copy);
    connect(help, &QPushButton::clicked, this, [this] { ui_.help.ShowContext(kWindowHelp); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {print, copy, help, close}) {
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TfrmAmortAPR::Copy() {
    RunGuarded(ui_.buffers.messages, [this] {
        ui_.buffers.clipboard.SetText(
            amortization::AprDetailCopyText(detail_, ui_.buffers.conventions));
    });
}

void TfrmAmortAPR::Print() {
    RunGuarded(ui_.buffers.messages, [this] {
        ui_.buffers.printing.Print(std::string(amortization::kAprDetailCaption),
                                   Printing::Kind::ResultPage, [this](ReportCanvas& canvas) {
                                       PrintAprDetailPage(canvas, detail_, ui_.buffers.conventions);
                                   });
    });
}

void TfrmAmortAPR::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        RunGuarded(ui_.buffers.messages, [this] {
            framework::RegIni& store = ui_.buffers.store;
            store.SetCurSubKey(PositionKey());
            // Never placed before: over the middle of the window it was opened from.
            QPoint here = ClientPosition(this);
            if (const QWidget* owner = parentWidget()) {
                const QPoint middle = owner->window()->geometry().center();
                adjustSize(); // the size it is placed with
                here = middle - QPoint(width() / 2, height() / 2);
            }
            PlaceWindow(this, QPoint(store.ReadInteger("Left", here.x()),
                                     store.ReadInteger("Top", here.y())));
        });
    }
    QDialog::showEvent(event);
}

void TfrmAmortAPR::done(int result) {
    RunGuarded(ui_.buffers.messages, [this] {
        framework::RegIni& store = ui_.buffers.store;
        store.SetCurSubKey(PositionKey());
        const QPoint client = ClientPosition(this);
        framework::RegIni::Batch batch(store);
        store.WriteInteger("Left", client.x());
        store.WriteInteger("Top", client.y());
        batch.Commit();
    });
    QDialog::done(result);
}

amortization::AprDetail AprDetailOf(const amortization::TcbAmort& amort) {
    if (!amort.HasResults() || amort.Schedule().Count() == 0) {
        throw amortization::ENotCalculated();
    }
    const long double apr = amortization::DeriveApr(amort.Schedule(), amort.AprInputsOf());
    return amortization::MakeAprDetail(amort.Inputs(), amort.State().OneTimeFees,
                                       amort.PaidAtOrigination(), amort.Results(), apr);
}

void ShowAprDetail(UiContext& ui, const amortization::TcbAmort& amort, QWidget* parent) {
    std::optional<amortization::AprDetail> detail;
    RunGuarded(ui.buffers.messages, [&] { detail = AprDetailOf(amort); });
    if (detail) {
        TfrmAmortAPR window(ui, *detail, parent);
        window.exec();
    }
}

} // namespace quarvex::ui
