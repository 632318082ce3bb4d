#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quarvex::ui {

// Asked before a calculator rebuilds the entry fields the user has typed into (a change of
// the number of payments, the dates that generate them): OK goes ahead, anything else keeps
// the old values. The check box lets the user switch the question off for that calculator;
// the caller keeps the choice as its own option.
class TWarnDialog : public QDialog {
    Q_OBJECT
public:
    explicit TWarnDialog(QWidget* parent = nullptr);

    bool DontShowAgain() const;
    void SetDontShowAgain(bool dontShow);

    static constexpr const char* kCaption = " Warning Dialog";
    static constexpr const char* kCheckText = "Don't show the warning message";
    static constexpr const char* kLine1 =
        "Changing this field will delete or change the values of the input";
    static constexpr const char* kLine2 = "fields inside the Scrollbox";

private:
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QCheckBox* checkStatus_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace quarvex::ui
