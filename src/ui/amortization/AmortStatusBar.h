#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace quarvex::ui {

// The four panels under the amortization schedule: the rate basis (or what a field asks
// for while it has the focus), the acceleration method, the last payment number and the
// legend of the grid's marks.
class AmortStatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPanels = 4;

    explicit AmortStatusBar(QWidget* parent = nullptr);

    void SetText(int panel, const QString& text);
    QString Text(int panel) const;
    void Clear();

private:
    std::array<QLabel*, kPanels> panels_{};
};

} // namespace quarvex::ui
