#pragma once

#include "shell/LauncherTable.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

class QGroupBox;
class QPushButton;

namespace quarvex::ui {

// The main window's face: six group boxes of calculator buttons over the background (blue
// bands, dark at the top and bright at the bottom, when "&Color Background" is on; the
// window colour otherwise). Buttons of calculators not built yet are disabled and say so.
class LauncherPanel : public QWidget {
    Q_OBJECT
public:
    using LaunchRequest = std::function<void(std::string_view stem)>;

    LauncherPanel(LaunchRequest launch, QWidget* parent = nullptr);

    QPushButton* Button(std::string_view stem) const;
    QGroupBox* Group(shell::LauncherGroup group) const;

    // Every button shows its hint exactly while "Show &Toolbar Hints" is on.
    void ApplyHints(bool showHints);
    void SetColorBackground(bool on);
    bool ColorBackground() const { return colorBackground_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGroupBox* BuildGroup(shell::LauncherGroup group);

    LaunchRequest launch_;
    std::array<QPushButton*, shell::kLauncherEntryCount> buttons_{};
    std::array<QGroupBox*, shell::kLauncherGroupCount> groups_{};
    bool colorBackground_ = true;
};

} // namespace quarvex::ui
