#pragma once

#include "ui/dialogs/SettingRowEditor.h"

#include <QDialog>

#include <memory>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace quarvex::framework {
class ApplicationValues;
}

namespace quarvex::ui {

struct UiContext;

// The "Global Settings" dialog: the 34 program-wide defaults on three pages, generated from
// the settings table. Modeless; each use of "Preferences" makes a new one, which deletes
// itself when closed. Closing it ("Close", Esc or the title bar) stores every setting and
// refreshes the application values it carries (prepared-by name, data folder, twice-monthly
// days). "Defaults" shows the publisher's values without storing them.
class TfrmGlobals : public QDialog {
    Q_OBJECT
public:
    TfrmGlobals(UiContext& ui, framework::ApplicationValues& values, QWidget* parent = nullptr);
    ~TfrmGlobals() override;

    // 1 to 3.
    int CurrentPage() const;
    void NextPage();
    void PriorPage();
    void RestoreDefaults();
    // The help topic of the field with the focus: the data folder's own, or the dialog's.
    int HelpContextOfFocus() const;

    // Closing runs through here: the settings are stored first, and a dialog whose settings
    // cannot be stored (a number the row cannot take, an unwritable settings file) says why
    // and stays open.
    void done(int result) override;

private:
    void BuildPages();
    void ShowPage(int page);
    void ShowSettings();
    // The rows' captions as shown: one field per key on each page, and the fields in the same
    // column on every page.
    void ArrangeCaptions();
    bool StoreSettings();
    void ChooseDataFolder();
    SettingRowEditor* EditorOf(framework::GlobalSetting setting) const;

    UiContext& ui_;
    framework::ApplicationValues& values_;
    std::unique_ptr<framework::TbufGlobals> settings_;
    std::vector<std::unique_ptr<SettingRowEditor>> editors_;
    std::vector<QGridLayout*> grids_;
    QStackedWidget* pages_ = nullptr;
    QLabel* pageCaption_ = nullptr;
    QPushButton* priorButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QToolButton* folderButton_ = nullptr;
};

} // namespace quarvex::ui
