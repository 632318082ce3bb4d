#include "ui/amortization/TfrmAmortSettings.h"

#include "amortization/calculator/LoanSettingSpecs.h"
#include "platform/Help.h"
#include "ui/framework/HelpContext.h"
#include "ui/platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

namespace {

using amortization::LoanSettingSpec;

// The dialog shows the settings in another order than the table keeps them (the copied
// schedule's): the table's index of each list, in the dialog's order.
constexpr std::array<std::size_t, TfrmAmortSettings::kListCount> kTableIndex = {0, 1, 2, 5, 6,  3,
                                                                                4, 7, 8, 9, 10, 11};
// The lists under "Long Initial Period Settings:" and "Short Initial Period Settings:".
constexpr std::size_t kFirstLongList = 8;
constexpr std::size_t kFirstShortList = 10;
constexpr int kHelpContext = 330;

const LoanSettingSpec& SpecAt(std::size_t position) {
    return amortization::LoanSettingSpecs()[kTableIndex.at(position)];
}

} // namespace

const std::array<const char*, TfrmAmortSettings::kListCount>& TfrmAmortSettings::ListNames() {
    static const std::array<const char*, kListCount> names = {"cbxRateBasis",
                                                              "cbxAccelMthd",
                                                              "cbxPointsAre",
                                                              "cbxAdjustLastMthd",
                                                              "cbxUSRule",
                                                              "cbxTwiceMonthly",
                                                              "cbxWeekendAdjust",
                                                              "cbxLastDayMonthMthd",
                                                              "cbxLongInterestPmtMthd",
                                                              "cbxLongInterestCalcMthd",
                                                              "cbxShortInterestPmtMthd",
                                                              "cbxShortInterestCalcMthd"};
    return names;
}

TfrmAmortSettings::TfrmAmortSettings(const amortization::AmortSettings& settings, Help& help,
                                     QWidget* parent)
    : QDialog(parent), opened_(settings) {
    setWindowTitle(QStringLiteral("Loan Settings"));
    setObjectName(QStringLiteral("TfrmAmortSettings"));
    auto* group = new QGroupBox(QStringLiteral(" Calculation Options "), this);
    auto* form = new QFormLayout(group);
    for (std::size_t position = 0; position < kListCount; ++position) {
        if (position == kFirstLongList || position == kFirstShortList) {
            form->addRow(new QLabel(position == kFirstLongList
                                        ? QStringLiteral("Long Initial Period Settings:")
                                        : QStringLiteral("Short Initial Period Settings:"),
                                    group));
        }
        const LoanSettingSpec& spec = SpecAt(position);
        auto* list = new QComboBox(group);
        list->setObjectName(QString::fromLatin1(ListNames()[position]));
        for (const std::string_view item : spec.items) {
            list->addItem(ToQString(std::string(item)));
        }
        list->setCurrentIndex(spec.get(settings) - spec.firstCode);
        connect(list, &QComboBox::currentIndexChanged, this, [this] { changed_ = true; });
        auto* label = new QLabel(ToQString(std::string(spec.storedName)), group);
        label->setBuddy(list);
        form->addRow(label, list);
        lists_[position] = list;
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetHelpContext(this, kHelpContext);
    SetHelpContext(buttons->button(QDialogButtonBox::Help), kHelpContext);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [&help] { help.ShowContext(kHelpContext); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

amortization::AmortSettings TfrmAmortSettings::Settings() const {
    amortization::AmortSettings settings = opened_;
    for (std::size_t position = 0; position < kListCount; ++position) {
        const LoanSettingSpec& spec = SpecAt(position);
        spec.set(settings, lists_[position]->currentIndex() + spec.firstCode);
    }
    return settings;
}

} // namespace quarvex::ui
