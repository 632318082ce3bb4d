#include "ui/dialogs/AccountInfoDialog.h"

#include "framework/settings/ApplicationValues.h"
#include "platform/Help.h"
#include "platform/Messages.h"
#include "ui/dialogs/AccountEntryValidator.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

namespace {

// Where each row sits: grid line and column pair (0, 1 or 2), and how many pairs it spans.
struct Place {
    std::string_view control;
    int line;
    int pair;
    int span;
};

// Name, then business and address lines, then city, state and zip, country, phones; the tab
// order follows this table.
constexpr Place kPlaces[] = {
    {"oedFName", 0, 0, 1},    {"oedInitial", 0, 1, 1}, {"oedLName", 0, 2, 1},
    {"oedBusiness", 1, 0, 3}, {"oedAdrs1", 2, 0, 3},   {"oedAdrs2", 3, 0, 3},
    {"oedCity", 4, 0, 1},     {"oedState", 4, 1, 1},   {"oedZip", 4, 2, 1},
    {"oedCountry", 5, 0, 3},  {"oedPhone1", 6, 0, 1},  {"oedExtn", 6, 1, 1},
    {"oedPhone2", 6, 2, 1},
};

std::size_t RowIndexOf(std::string_view control) {
    const auto& rows = framework::AccountInfoRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].control == control) {
            return i;
        }
    }
    return rows.size();
}

} // namespace

TfrmAcntInfo::TfrmAcntInfo(UiContext& ui, framework::TAccountDetails& details, QWidget* parent)
    : QDialog(parent), ui_(ui), details_(details), buffer_(details) {
    setObjectName("frmAcntInfo");
    setWindowTitle(tr("Account Information"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const auto& rows = framework::AccountInfoRows();
    auto* grid = new QGridLayout;
    QWidget* previous = nullptr;
    for (const Place& place : kPlaces) {
        const std::size_t i = RowIndexOf(place.control);
        const auto& row = rows.at(i);
        auto* field = new QLineEdit(this);
        field->setObjectName(ToQString(row.control));
        field->setMaxLength(static_cast<int>(row.maxLength));
        field->setValidator(new AccountEntryValidator(row, field));
        field->setText(ToQString(buffer_.Values()[i]));
        auto* label = new QLabel(ToQString(buffer_.Captions()[i]), this);
        label->setObjectName(ToQString(row.label));
        label->setBuddy(field);
        grid->addWidget(label, place.line, place.pair * 2);
        grid->addWidget(field, place.line, place.pair * 2 + 1, 1, place.span * 2 - 1);
        if (previous != nullptr) {
            setTabOrder(previous, field);
        }
        previous = field;
        labels_[i] = label;
        fields_[i] = field;
    }
    // A one-letter initial and a two-letter state need no room to grow.
    for (const char* narrow : {"oedInitial", "oedState"}) {
        QLineEdit* field = fields_[RowIndexOf(narrow)];
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(5, 2);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* skip = new QPushButton(tr("Skip"), this);
    skip->setObjectName("btnSkip");
    second_ = skip;
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName("btnHelp");
    connect(ok, &QPushButton::clicked, this, [this] { Accept(); });
    connect(skip, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { ui_.help.ShowContext(framework::kAccountInfoHelpContext); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(skip);
    buttons->addWidget(help);

    layout_ = new QVBoxLayout(this);
    layout_->addLayout(grid);
    layout_->addLayout(buttons);
    fields_[framework::TcbAcntInfo::kFirstNameRow]->setFocus();
}

void TfrmAcntInfo::InsertSection(QWidget* section) {
    layout_->insertWidget(layout_->count() - 1, section);
}

void TfrmAcntInfo::TakeFields() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        buffer_.SetValue(i, ToStdString(fields_[i]->text()));
    }
}

void TfrmAcntInfo::ShowBuffer() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(ToQString(buffer_.Values()[i]));
    }
}

void TfrmAcntInfo::Accept() {
    TakeFields();
    if (const auto error = buffer_.AcceptInto(details_)) {
        ui_.buffers.messages.Show(*error, MessageIcon::Error, MessageButtons::Ok);
        fields_[framework::TcbAcntInfo::kFirstNameRow]->setFocus();
        return;
    }
    accept();
}

bool ShowAccountInformation(UiContext& ui, framework::ApplicationValues& values, QWidget* parent) {
    TfrmAcntInfo dialog(ui, values.EnsureAccountDetails(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quarvex::ui
