#pragma once

#include "framework/settings/TcbAcntInfo.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

namespace quarvex::framework {
class ApplicationValues;
}

namespace quarvex::ui {

struct UiContext;

// The "Account Information" dialog: whom a printed schedule is prepared for. It edits a copy
// of the run's account details; "OK" keeps the entries (a first name is required), "Skip"
// leaves the details as they were.
class TfrmAcntInfo : public QDialog {
    Q_OBJECT
public:
    TfrmAcntInfo(UiContext& ui, framework::TAccountDetails& details, QWidget* parent = nullptr);

    QLineEdit* Field(std::size_t row) const { return fields_.at(row); }

    // "OK": the entries go into the details and the dialog closes with Accepted, unless the
    // first name is empty: then "First Name is Required" is shown, the focus goes to the
    // first name and the dialog stays open.
    void Accept();

private:
    UiContext& ui_;
    framework::TAccountDetails& details_;
    framework::TcbAcntInfo buffer_;
    std::array<QLabel*, framework::kAccountInfoRowCount> labels_{};
    std::array<QLineEdit*, framework::kAccountInfoRowCount> fields_{};
};

// Shows the dialog modally over the run's account details (made on first use). True when the
// user closed it with "OK": the caller then prints the "Prepared For:" block.
bool ShowAccountInformation(UiContext& ui, framework::ApplicationValues& values,
                            QWidget* parent = nullptr);

} // namespace quarvex::ui
