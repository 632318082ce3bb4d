#pragma once

#include "framework/settings/TcbAcntInfo.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

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
    virtual void Accept();

protected:
    // For dialogs that ask for more than whom the report is for: they add their own rows
    // between the name block and the buttons, and rename the second button.
    UiContext& Ui() const { return ui_; }
    framework::TAccountDetails& Details() const { return details_; }
    void InsertSection(QWidget* section);
    QPushButton* SecondButton() const { return second_; }
    // The fields as typed, after each row's entry rule.
    void TakeFields();
    // The buffer's values shown in the fields again.
    void ShowBuffer();
    framework::TcbAcntInfo& Buffer() { return buffer_; }

private:
    UiContext& ui_;
    framework::TAccountDetails& details_;
    framework::TcbAcntInfo buffer_;
    std::array<QLabel*, framework::kAccountInfoRowCount> labels_{};
    std::array<QLineEdit*, framework::kAccountInfoRowCount> fields_{};
    QVBoxLayout* layout_ = nullptr;
    QPushButton* second_ = nullptr;
};

// Shows the dialog modally over the run's account details (made on first use). True when the
// user closed it with "OK": the caller then prints the "Prepared For:" block.
bool ShowAccountInformation(UiContext& ui, framework::ApplicationValues& values,
                            QWidget* parent = nullptr);

} // namespace quarvex::ui
