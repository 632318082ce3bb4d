// The main window's menu bar.

#include "ui/shell/Launchable.h"
#include "ui/shell/MainWindow.h"

#include "platform/Help.h"
#include "shell/LauncherTable.h"
#include "shell/ShellTexts.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"
#include "ui/shell/AboutBox.h"
#include "ui/shell/LauncherPanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace quarvex::ui {

namespace texts = shell::texts;
using shell::LauncherEntries;
using shell::LauncherEntry;

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);

    BuildCalculatorMenus();
    BuildOptionsMenu();

    QMenu* maintenance = menuBar()->addMenu(tr("&Maintenance"));
    maintenance->setObjectName("mnuMaintenance");
    QAction* reindex = maintenance->addAction(tr("Reindex Database..."));
    reindex->setObjectName("mnuReindex");
    reindex->setCheckable(true);
    reindex->setChecked(false);
    connect(reindex, &QAction::toggled, this,
            [this](bool checked) { Guarded([this, checked] { OnReindexToggled(checked); }); });

    windowsMenu_ = menuBar()->addMenu(tr("&Windows"));
    windowsMenu_->setObjectName("mnuWindows");

    BuildHelpMenu();
}

void MainWindow::BuildCalculatorMenus() {
    // "&Calculators" holds its four submenus; "Sched&ules" and "A&dvisors" hold their items.
    std::map<std::string_view, QMenu*> menus;
    for (const std::string_view top :
         {shell::kCalculatorsMenu, shell::kSchedulesMenu, shell::kAdvisorsMenu}) {
        QMenu* menu = menuBar()->addMenu(ToQString(top));
        menu->setToolTipsVisible(true);
        menus[top] = menu;
    }
    menus[shell::kCalculatorsMenu]->setObjectName("mnuCalculators");
    menus[shell::kSchedulesMenu]->setObjectName("mnuSchedules");
    menus[shell::kAdvisorsMenu]->setObjectName("mnuAdvisors");
    std::map<std::string_view, QMenu*> submenus;
    for (const std::string_view name : shell::CalculatorSubmenus()) {
        QMenu* submenu = menus[shell::kCalculatorsMenu]->addMenu(ToQString(name));
        submenu->setToolTipsVisible(true);
        submenus[name] = submenu;
    }
    for (const LauncherEntry& entry : LauncherEntries()) {
        QMenu* menu = entry.submenu.empty() ? menus[entry.menu] : submenus[entry.submenu];
        QAction* action = menu->addAction(ToQString(entry.menuItem));
        action->setObjectName(QStringLiteral("mnu") + ToQString(entry.buttonName).mid(3));
        action->setEnabled(Launchable(entry));
        if (!Launchable(entry)) {
            action->setToolTip(ToQString(shell::kNotAvailableHint));
            action->setStatusTip(ToQString(shell::kNotAvailableHint));
        }
        const std::string_view stem = entry.stem;
        connect(action, &QAction::triggered, this,
                [this, stem] { Guarded([this, stem] { Launch(stem); }); });
    }
}

QAction* MainWindow::AddOption(QMenu* menu, const char* name, const QString& caption,
                               bool& option) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(option);
    // Each option change re-applies the buttons' hints, as every check item does.
    connect(action, &QAction::toggled, this, [this, &option](bool checked) {
        option = checked;
        ApplyHints();
    });
    return action;
}

void MainWindow::BuildOptionsMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Options"));
    menu->setObjectName("mnuOptions");
    QAction* preferences = menu->addAction(tr("Preferences"));
    preferences->setObjectName("mnuPreferences");
    connect(preferences, &QAction::triggered, this,
            [this] { Guarded([this] { OpenPreferences(); }); });
    menu->addSeparator();
    AddOption(menu, "mnuShowHints", tr("&Show Hints"), options_.showHints);
    AddOption(menu, "mnuShowButtonHints", tr("Show &Button Hints"),
              options_.window.showButtonHints);
    AddOption(menu, "mnuShowToolbarHints", tr("Show &Toolbar Hints"), options_.showToolbarHints);
    AddOption(menu, "mnuSavePositions", tr("Save &Positions"), options_.window.savePositions);
    AddOption(menu, "mnuRestorePositions", tr("Rest&ore Positions"),
              options_.window.restorePositions);
    QAction* background =
        AddOption(menu, "mnuColorBackground", tr("&Color Background"), options_.colorBackground);
    connect(background, &QAction::toggled, this,
            [this](bool checked) { panel_->SetColorBackground(checked); });
    menu->addSeparator();
    QAction* font = menu->addAction(tr("P&rinter Font"));
    font->setObjectName("mnuPrinterFont");
    connect(font, &QAction::triggered, this, [this] { Guarded([this] { ChoosePrinterFont(); }); });
}

void MainWindow::BuildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Help"));
    menu->setObjectName("mnuHelp");
    menu->setToolTipsVisible(true);
    const auto add = [this, menu](const char* name, const QString& caption,
                                  std::function<void()> action) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this,
                [this, action = std::move(action)] { Guarded(action); });
        return item;
    };
    // The help pages have no search of their own yet: both open the contents.
    add("mnuContents", tr("Contents"),
        [this] { ui_.help.ShowContext(texts::kHelpContentsContext); });
    add("mnuTopicSearch", tr("Topic Search"),
        [this] { ui_.help.ShowContext(texts::kHelpContentsContext); });
    add("mnuHelpOnHelp", tr("Help on Help"),
        [this] { ui_.help.ShowContext(texts::kHelpOnHelpContext); });
    menu->addSeparator();
    add("mnuKVSHome", tr("Kelvarn Software Home Page"),
        [this] { openUrl_(QUrl(ToQString(texts::kMakerHomePage))); });
    add("mnuQuarvexHome", tr("Quarvex! Home Page"),
        [this] { openUrl_(QUrl(ToQString(texts::kProductHomePage))); });
    add("mnuSupportMail", tr("E-mail your question to support"),
        [this] { openUrl_(QUrl(QStringLiteral("mailto:") + ToQString(texts::kSupportAddress))); });
    add("mnuWhatsNew", tr("What's new via e-mail"), [this] { AskForWhatsNew(); });
    menu->addSeparator();
    // The tip of the day arrives with its dialog.
    QAction* tips = add("mnuTips", tr("Tips"), [] {});
    tips->setEnabled(false);
    tips->setToolTip(ToQString(shell::kNotAvailableHint));
    tips->setStatusTip(ToQString(shell::kNotAvailableHint));
    menu->addSeparator();
    add("mnuAbout", tr("About"), [this] { ShowAbout(); });
}

void MainWindow::ShowAbout() {
    auto* about = new AboutBox(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace quarvex::ui
