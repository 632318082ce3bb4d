#include "ui/dialogs/WarnDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex::ui {

TWarnDialog::TWarnDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("WarnDialog");
    setWindowTitle(QString::fromUtf8(kCaption));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    label1_ = new QLabel(QString::fromUtf8(kLine1), this);
    label1_->setObjectName("Label1");
    label2_ = new QLabel(QString::fromUtf8(kLine2), this);
    label2_->setObjectName("Label2");
    checkStatus_ = new QCheckBox(QString::fromUtf8(kCheckText), this);
    checkStatus_->setObjectName("CheckStatus");
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName("BitBtn1");
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName("BitBtn2");
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(checkStatus_);
    bottom->addStretch();
    bottom->addWidget(okButton_);
    bottom->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(label2_);
    layout->addSpacing(label1_->sizeHint().height() * 2);
    layout->addLayout(bottom);
    // A fixed size that follows the fonts, so that nothing is cut at any scale.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TWarnDialog::DontShowAgain() const {
    return checkStatus_->isChecked();
}

void TWarnDialog::SetDontShowAgain(bool dontShow) {
    checkStatus_->setChecked(dontShow);
}

} // namespace quarvex::ui
