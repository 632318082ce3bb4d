#include "ui/shell/MainWindow.h"

#include "framework/settings/ApplicationValues.h"
#include "platform/Messages.h"
#include "shell/ShellTexts.h"
#include "shell/ShutDown.h"
#include "ui/amortization/TcalcAmort.h"
#include "ui/dialogs/GlobalSettingsDialog.h"
#include "ui/framework/GuardedCall.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/shell/LauncherPanel.h"
#include "ui/shell/ReportFontDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QStatusBar>

namespace quarvex::ui {

namespace texts = shell::texts;

MainWindow::MainWindow(ShellContext context, CalculatorWindowFactory factory, QWidget* parent)
    : QMainWindow(parent), ui_(context.ui), values_(context.values), options_(context.options),
      factory_(std::move(factory)) {
    setObjectName("frmMain");
    setWindowTitle(ToQString(texts::kProductTitle));
    // The launcher offers the calculators whose windows are registered.
    RegisterAmortizationWindows();
    // A fixed window with a system menu and a minimise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    launcher_ = std::make_unique<shell::Launcher>(
        ui_.buffers, ui_.help, options_.window,
        [this](const shell::LauncherEntry& entry,
               std::unique_ptr<framework::CalculatorController> controller) {
            return MakeWindow(entry, std::move(controller));
        });
    chooseFont_ = [this](const report::ReportFont& current) {
        return ChooseReportFont(current, this);
    };
    openUrl_ = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };

    panel_ = new LauncherPanel(
        [this](std::string_view stem) { Guarded([this, stem] { Launch(stem); }); }, this);
    setCentralWidget(panel_);
    BuildMenus();
    BuildStatusBar();
    panel_->SetColorBackground(options_.colorBackground);
    ApplyHints();
    // The size follows the fonts and the screen's scale; the user cannot change it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    // Calculator windows still open go before the launcher that counts them.
    launcher_.reset();
}

std::unique_ptr<shell::LaunchedWindow>
MainWindow::MakeWindow(const shell::LauncherEntry& entry,
                       std::unique_ptr<framework::CalculatorController> controller) {
    std::unique_ptr<QtLaunchedWindow> window = factory_(entry, std::move(controller), ui_);
    if (window) {
        QtLaunchedWindow* closing = window.get();
        window->SetClosedNotice([this, closing] { OnCalculatorClosed(*closing); });
    }
    return window;
}

void MainWindow::Guarded(const std::function<void()>& action) {
    const MessageOwner owner(this);
    RunGuarded(ui_.buffers.messages, action);
}

void MainWindow::Launch(std::string_view stem) {
    switch (launcher_->Launch(stem)) {
    case shell::LaunchResult::Opened:
        RebuildWindowsMenu();
        break;
    case shell::LaunchResult::Failed:
        QApplication::beep();
        QApplication::beep();
        break;
    case shell::LaunchResult::AllTaken:
    case shell::LaunchResult::Unavailable:
        break;
    }
}

void MainWindow::OnCalculatorClosed(const shell::LaunchedWindow& window) {
    launcher_->WindowClosed(window);
    RebuildWindowsMenu();
}

void MainWindow::RebuildWindowsMenu() {
    windowsMenu_->clear();
    for (const shell::OpenWindowItem& item : launcher_->OpenWindows()) {
        QString caption = ToQString(item.caption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = windowsMenu_->addAction(caption);
        const std::string_view stem = item.stem;
        const int instance = item.instance;
        connect(action, &QAction::triggered, this,
                [this, stem, instance] { launcher_->BringToFront(stem, instance); });
    }
}

void MainWindow::ApplyHints() {
    panel_->ApplyHints(options_.showToolbarHints);
}

void MainWindow::OpenPreferences() {
    auto* dialog = new TfrmGlobals(ui_, values_, this);
    settingsDialogs_.emplace_back(dialog);
    dialog->show();
}

std::vector<TfrmGlobals*> MainWindow::OpenSettingsDialogs() const {
    std::vector<TfrmGlobals*> open;
    for (const auto& dialog : settingsDialogs_) {
        if (dialog && dialog->isVisible()) {
            open.push_back(dialog);
        }
    }
    return open;
}

void MainWindow::ChoosePrinterFont() {
    if (const auto chosen = chooseFont_(options_.reportFont)) {
        options_.reportFont = *chosen;
    }
}

void MainWindow::OnReindexToggled(bool checked) {
    options_.reindexDatabase = checked;
    if (checked) {
        ui_.buffers.messages.Show(std::string(texts::kReindexWarning), MessageIcon::Warning,
                                  MessageButtons::Ok);
    }
}

void MainWindow::AskForWhatsNew() {
    const MessageResult answer =
        ui_.buffers.messages.Show(std::string(texts::kWhatsNewExplanation),
                                  MessageIcon::Information, MessageButtons::OkCancel);
    if (answer == MessageResult::Ok) {
        openUrl_(QUrl(QStringLiteral("mailto:") + ToQString(texts::kWhatsNewAddress)));
    }
}

void MainWindow::BuildStatusBar() {
    statusBar()->setSizeGripEnabled(false);
    const int widths[] = {153, 147, 0};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("pnlStatus%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        // Each panel is drawn as one, so the three read apart even while empty.
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (widths[i] > 0) {
            // The text stays whole where the fonts are wider than the classic ones.
            label->setMinimumWidth(widths[i]);
        }
        statusBar()->addWidget(label, widths[i] > 0 ? 0 : 1);
        statusPanels_[i] = label;
    }
    statusPanels_[0]->setText(ToQString(texts::kStatusText));
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!positioned_) {
        positioned_ = true;
        Guarded([this] {
            if (options_.window.restorePositions) {
                if (const auto position = shell::ReadMainWindowPosition(ui_.buffers.store)) {
                    PlaceWindow(this, QPoint(position->left, position->top));
                }
            }
        });
        statusPanels_[0]->setText(ToQString(texts::kStatusText));
        ApplyHints();
    }
    QMainWindow::showEvent(event);
}

void MainWindow::ShutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    const QPoint client = ClientPosition(this);
    const auto failure = shell::ShutDownApplication(ui_.buffers.store, options_,
                                                    {client.x(), client.y()}, *launcher_);
    // An open settings dialog stores what it shows, as when the user closes it.
    for (TfrmGlobals* dialog : OpenSettingsDialogs()) {
        dialog->close();
    }
    if (failure) {
        ui_.buffers.messages.Show(*failure, MessageIcon::Error, MessageButtons::Ok);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Guarded([this] { ShutDown(); });
    event->accept();
    emit ShutDownDone();
}

} // namespace quarvex::ui
