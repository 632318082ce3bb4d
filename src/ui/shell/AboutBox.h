#pragma once

#include <QDialog>

namespace quarvex::ui {

// The "About" box of the Help menu: the product's name, version and maker.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace quarvex::ui
