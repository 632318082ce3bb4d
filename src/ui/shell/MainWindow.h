#pragma once

#include "framework/report/ReportFont.h"
#include "shell/ApplicationOptions.h"
#include "shell/Launcher.h"
#include "ui/shell/QtLaunchedWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace quarvex::framework {
class ApplicationValues;
}

namespace quarvex::ui {

class LauncherPanel;
class TfrmGlobals;
struct UiContext;

// What the main window works with. `options.window` is the WindowOptions that `ui` hands to
// the calculator windows, so that they follow the Options menu.
struct ShellContext {
    UiContext& ui;
    framework::ApplicationValues& values;
    shell::ApplicationOptions& options;
};

// The program's main window: the calculator buttons in six groups, the same calculators in
// the menus, the application options, the Windows and Help menus and the status bar. It
// launches at most two windows of each calculator and lists them in "&Windows". Closing it
// stores the options and closes every calculator window and settings dialog with their own
// close handling; ShutDownDone then tells the program to end.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(ShellContext context,
                        CalculatorWindowFactory factory = MakeCalculatorWindowHandle,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The launch of a calculator's button and menu item: its next window, or two beeps when
    // the window cannot be made.
    void Launch(std::string_view stem);
    void OpenPreferences();

    shell::Launcher& Launcher() { return *launcher_; }
    LauncherPanel& Panel() const { return *panel_; }
    QMenu* WindowsMenu() const { return windowsMenu_; }
    QLabel* StatusPanel(int index) const {
        return statusPanels_.at(static_cast<std::size_t>(index));
    }
    // The settings dialogs still open.
    std::vector<TfrmGlobals*> OpenSettingsDialogs() const;

    // The font dialog of "P&rinter Font" and the opening of web pages and mail; tests
    // replace them.
    using FontChooser =
        std::function<std::optional<report::ReportFont>(const report::ReportFont& current)>;
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }
    void SetUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

signals:
    // The close handling is done; the program ends.
    void ShutDownDone();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildCalculatorMenus();
    void BuildOptionsMenu();
    void BuildHelpMenu();
    void BuildStatusBar();
    QAction* AddOption(QMenu* menu, const char* name, const QString& caption, bool& option);
    void ApplyHints();
    void RebuildWindowsMenu();
    void OnCalculatorClosed(const shell::LaunchedWindow& window);
    void ChoosePrinterFont();
    void OnReindexToggled(bool checked);
    void AskForWhatsNew();
    void ShowAbout();
    void ShutDown();
    // Runs a menu or button action; an error is shown, never thrown into Qt.
    void Guarded(const std::function<void()>& action);
    std::unique_ptr<shell::LaunchedWindow>
    MakeWindow(const shell::LauncherEntry& entry,
               std::unique_ptr<framework::CalculatorController> controller);

    UiContext& ui_;
    framework::ApplicationValues& values_;
    shell::ApplicationOptions& options_;
    CalculatorWindowFactory factory_;
    std::unique_ptr<shell::Launcher> launcher_;
    LauncherPanel* panel_ = nullptr;
    QMenu* windowsMenu_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    std::vector<QPointer<TfrmGlobals>> settingsDialogs_;
    FontChooser chooseFont_;
    UrlOpener openUrl_;
    bool positioned_ = false;
    bool shutDown_ = false;
};

} // namespace quarvex::ui
