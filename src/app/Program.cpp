#include "app/Program.h"

#include "framework/settings/DisplayLists.h"
#include "framework/store/StorePaths.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/engines/TcalcDepreciation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <filesystem>
#include <system_error>

namespace quarvex::app {

namespace {

std::filesystem::path CurrentDirectory() {
    std::error_code error;
    auto directory = std::filesystem::current_path(error);
    return error ? std::filesystem::path("/") : directory;
}

int ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size().width() : shell::kMinimumScreenWidth;
}

} // namespace

Program::Program(Printing* printing)
    : environment_(framework::ProcessEnvironment()),
      masks_(masks::TMasks::FromEnvironment(masks::ProcessEnvironment())),
      conventions_(masks::ConventionsForCountry(masks_.CountryCode)),
      store_(framework::SettingsFilePath(environment_)),
      help_(ui::QtHelp::ForProgram(environment_)),
      context_{
          store_, messages_,    clipboard_,          printing != nullptr ? *printing : printing_,
          clock_, conventions_, options_.reportFont, values_},
      ui_{context_, *help_, fileDialogs_, options_.window, masks_} {}

Program::~Program() {
    // The windows go before the services and values they use.
    window_.reset();
}

void Program::Start() {
    state_ = shell::StartApplication(shell::StartUpInputs{store_, values_, clock_, environment_,
                                                          CurrentDirectory(), masks_.DateMask});
    // The services and the windows see these very objects, so they are filled in place.
    options_ = state_.options;
    ShowStartNotices();
    IndexDatabaseIfDue();
    framework::DisplayLists::Standard();
    ui::RegisterCalculatorWindows();
    ui::RegisterDepreciationWindows();

    window_ = std::make_unique<ui::MainWindow>(ui::ShellContext{ui_, values_, options_});
    messages_.SetParent(window_.get());
    fileDialogs_.SetParent(window_.get());
    printing_.SetParent(window_.get());
    QObject::connect(window_.get(), &ui::MainWindow::ShutDownDone, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window_->show();
}

void Program::ShowStartNotices() {
    if (const auto notice = store_.TakeRecoveryNotice()) {
        messages_.Show(*notice, MessageIcon::Warning, MessageButtons::Ok);
    }
    if (shell::ShowsResolutionNotice(ScreenWidth(), state_.runTimesBefore)) {
        messages_.Show(shell::ResolutionNoticeText(), MessageIcon::Information, MessageButtons::Ok);
    }
}

void Program::IndexDatabaseIfDue() {
    if (state_.IndexingDue()) {
        // The schedule database's indexing dialog runs here, on the first start and whenever
        // "Reindex Database..." was left checked: it indexes the tables in
        // values_.DataPath(), or packs them when state_.options.reindexDatabase asks for it.
        // The request is already stored as cleared, so a failed run is not repeated. The
        // database arrives with the amortization schedules; until then there is nothing to
        // index.
    }
}

} // namespace quarvex::app
