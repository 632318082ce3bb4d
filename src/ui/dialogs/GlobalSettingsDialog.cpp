#include "ui/dialogs/GlobalSettingsDialog.h"

#include "framework/buffer/ErrorText.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/TbufGlobals.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/Messages.h"
#include "ui/dialogs/PageAccelerators.h"
#include "ui/platform/QtText.h"
#include "ui/platform/UiContext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quarvex::ui {

using framework::GlobalSetting;
using framework::GlobalSettingRows;

namespace {
constexpr int kPageCount = 3;
// The keys of the page buttons, which no row of any page may take: "&Prior" and "N&ext".
constexpr char kPageButtonKeys[] = "PE";
} // namespace

TfrmGlobals::TfrmGlobals(UiContext& ui, framework::ApplicationValues& values, QWidget* parent)
    : QDialog(parent), ui_(ui), values_(values),
      settings_(std::make_unique<framework::TbufGlobals>()) {
    setObjectName("frmGlobals");
    setWindowTitle(tr("Global Settings"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    pageCaption_ = new QLabel(this);
    pageCaption_->setObjectName("lPage");
    pages_ = new QStackedWidget(this);
    BuildPages();

    // The rows' captions take Alt+I and Alt+N; the page buttons keep keys of their own, and
    // Page Up and Page Down turn the pages too.
    priorButton_ = new QPushButton(tr("&Prior"), this);
    priorButton_->setObjectName("btnPrior");
    nextButton_ = new QPushButton(tr("N&ext"), this);
    nextButton_->setObjectName("btnNext");
    auto* pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(pageUp, &QShortcut::activated, this, &TfrmGlobals::PriorPage);
    auto* pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageDown, &QShortcut::activated, this, &TfrmGlobals::NextPage);
    auto* defaultsButton = new QPushButton(tr("Defaults"), this);
    defaultsButton->setObjectName("btnDefaults");
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("btnClose");
    auto* helpButton = new QPushButton(tr("Help"), this);
    helpButton->setObjectName("btnHelp");
    for (QPushButton* button :
         {priorButton_, nextButton_, defaultsButton, closeButton, helpButton}) {
        button->setAutoDefault(false);
    }
    connect(priorButton_, &QPushButton::clicked, this, &TfrmGlobals::PriorPage);
    connect(nextButton_, &QPushButton::clicked, this, &TfrmGlobals::NextPage);
    connect(defaultsButton, &QPushButton::clicked, this, &TfrmGlobals::RestoreDefaults);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { ui_.help.ShowContext(framework::kGlobalSettingsHelpContext); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this,
            [this] { ui_.help.ShowContext(HelpContextOfFocus()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(priorButton_);
    buttons->addWidget(nextButton_);
    buttons->addStretch();
    buttons->addWidget(defaultsButton);
    buttons->addWidget(closeButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageCaption_, 0, Qt::AlignRight);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Showing: the publisher's values under what is stored, page 1, and the application
    // values the dialog carries taken from what it shows.
    settings_->SetPublisherValues();
    settings_->LoadFromRegistry(ui_.buffers.store, values_.DefaultDataFolder());
    ShowSettings();
    ShowPage(1);
    values_.RefreshFromSettings(*settings_);
    if (auto* first = editors_.front()->Control()) {
        first->setFocus();
    }
}

TfrmGlobals::~TfrmGlobals() = default;

void TfrmGlobals::BuildPages() {
    std::vector<QGridLayout*>& grids = grids_;
    for (int page = 1; page <= kPageCount; ++page) {
        auto* panel = new QWidget(pages_);
        panel->setObjectName(QStringLiteral("pgPage%1").arg(page));
        auto* grid = new QGridLayout(panel);
        grid->setColumnStretch(1, 1);
        pages_->addWidget(panel);
        grids.push_back(grid);
    }
    for (const auto& row : GlobalSettingRows()) {
        QWidget* panel = pages_->widget(row.page - 1);
        auto editor = std::make_unique<SettingRowEditor>(row, ui_.masks, ui_.buffers.conventions,
                                                         ui_.buffers.messages, panel);
        QGridLayout* grid = grids[static_cast<std::size_t>(row.page - 1)];
        const int line = grid->rowCount();
        grid->addWidget(editor->Label(), line, 0);
        grid->addWidget(editor->Control(), line, 1);
        if (row.id == GlobalSetting::DataPath) {
            folderButton_ = new QToolButton(panel);
            folderButton_->setObjectName("btnDataPath");
            folderButton_->setText(QStringLiteral("..."));
            folderButton_->setToolTip(tr("Choose the folder"));
            connect(folderButton_, &QToolButton::clicked, this, &TfrmGlobals::ChooseDataFolder);
            grid->addWidget(folderButton_, line, 2);
        }
        editors_.push_back(std::move(editor));
    }
    for (QGridLayout* grid : grids) {
        grid->setRowStretch(grid->rowCount(), 1);
    }
}

SettingRowEditor* TfrmGlobals::EditorOf(GlobalSetting setting) const {
    return editors_.at(static_cast<std::size_t>(setting)).get();
}

int TfrmGlobals::CurrentPage() const {
    return pages_->currentIndex() + 1;
}

void TfrmGlobals::ShowPage(int page) {
    // The page shown is the only one enabled; the others stay behind it, disabled.
    for (int i = 0; i < kPageCount; ++i) {
        pages_->widget(i)->setEnabled(i == page - 1);
    }
    pages_->setCurrentIndex(page - 1);
    pageCaption_->setText(
        ToQString(settings_->PageCaptions().at(static_cast<std::size_t>(page - 1))));
}

void TfrmGlobals::NextPage() {
    const int page = CurrentPage();
    if (page == 1) {
        ShowPage(2);
        priorButton_->setEnabled(true);
    } else if (page == 2) {
        ShowPage(3);
        nextButton_->setEnabled(false);
    }
}

void TfrmGlobals::PriorPage() {
    const int page = CurrentPage();
    if (page == 3) {
        ShowPage(2);
        nextButton_->setEnabled(true);
    } else if (page == 2) {
        ShowPage(1);
        priorButton_->setEnabled(false);
    }
}

void TfrmGlobals::ShowSettings() {
    for (const auto& editor : editors_) {
        editor->Show(*settings_);
    }
    ArrangeCaptions();
    if (CurrentPage() == 1) {
        priorButton_->setEnabled(false);
        nextButton_->setEnabled(true);
    }
}

void TfrmGlobals::ArrangeCaptions() {
    int widest = 0;
    for (int page = 1; page <= kPageCount; ++page) {
        std::vector<QLabel*> labels;
        QStringList captions;
        for (const auto& editor : editors_) {
            if (editor->Row().page == page) {
                labels.push_back(editor->Label());
                captions.push_back(editor->Label()->text());
            }
        }
        // Each key of a page leads to one field.
        const QStringList shown =
            DistinctAccelerators(captions, QString::fromLatin1(kPageButtonKeys));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            labels[i]->setText(shown[static_cast<qsizetype>(i)]);
            widest = std::max(widest, labels[i]->sizeHint().width());
        }
    }
    // The fields stand in one column on every page, so paging does not move them.
    for (QGridLayout* grid : grids_) {
        grid->setColumnMinimumWidth(0, widest);
    }
}

void TfrmGlobals::RestoreDefaults() {
    settings_->SetPublisherValues();
    ShowSettings();
}

int TfrmGlobals::HelpContextOfFocus() const {
    const QWidget* focus = focusWidget();
    for (const auto& editor : editors_) {
        if (editor->Control() == focus && editor->Row().helpContext != 0) {
            return editor->Row().helpContext;
        }
    }
    return framework::kGlobalSettingsHelpContext;
}

void TfrmGlobals::ChooseDataFolder() {
    QLineEdit* field = EditorOf(GlobalSetting::DataPath)->TextField();
    std::string folder = ui_.fileDialogs.ChooseFolder(ToStdString(field->text()));
    if (folder.empty()) {
        return;
    }
    // Data folders end in a separator, as the default one does.
    if (folder.back() != '/') {
        folder += '/';
    }
    field->setText(ToQString(folder));
}

bool TfrmGlobals::StoreSettings() {
    for (const auto& editor : editors_) {
        if (const auto error = editor->Collect(*settings_)) {
            ShowPage(editor->Row().page);
            priorButton_->setEnabled(editor->Row().page > 1);
            nextButton_->setEnabled(editor->Row().page < kPageCount);
            editor->Control()->setFocus();
            ui_.buffers.messages.Show(*error, MessageIcon::Error, MessageButtons::Ok);
            return false;
        }
    }
    try {
        settings_->SaveToRegistry(ui_.buffers.store);
    } catch (const std::exception& error) {
        ui_.buffers.messages.Show(framework::ErrorText(error), MessageIcon::Error,
                                  MessageButtons::Ok);
        return false;
    }
    values_.RefreshFromSettings(*settings_);
    return true;
}

void TfrmGlobals::done(int result) {
    if (!StoreSettings()) {
        return;
    }
    QDialog::done(result);
}

} // namespace quarvex::ui
