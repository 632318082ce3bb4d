#include "ui/platform/QtHelp.h"

#include "ui/platform/QtText.h"

#include <QDir>

#include <fstream>
#include <iterator>
#include <system_error>

namespace quarvex::ui {

namespace {

// An index is a few kilobytes; anything much larger is not ours.
constexpr std::uintmax_t kMaxIndexBytes = 1 << 20;

HelpIndex ReadIndex(const std::filesystem::path& folder) {
    const auto file = folder / HelpIndex::kFileName;
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaxIndexBytes) {
        return HelpIndex::Parse({});
    }
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return HelpIndex::Parse(text);
}

} // namespace

QtHelp::QtHelp(std::optional<std::filesystem::path> folder) : folder_(std::move(folder)) {
    if (folder_) {
        index_ = ReadIndex(*folder_);
    }
}

QtHelp::~QtHelp() = default;

std::unique_ptr<QtHelp> QtHelp::ForProgram(const HelpEnvironment& environment) {
    return std::make_unique<QtHelp>(FindHelpFolder(ProgramHelpLocations(environment)));
}

QUrl QtHelp::PageUrl(const std::string& page) const {
    if (!folder_) {
        return {};
    }
    const auto hash = page.find('#');
    const std::string file = page.substr(0, hash);
    std::error_code error;
    const auto path = *folder_ / file;
    if (!std::filesystem::is_regular_file(path, error)) {
        // A page the index names but the folder lacks: the contents rather than nothing.
        const auto contents = *folder_ / index_.Contents();
        return QUrl::fromLocalFile(QDir::cleanPath(ToQString(contents.string())));
    }
    QUrl url = QUrl::fromLocalFile(QDir::cleanPath(ToQString(path.string())));
    if (hash != std::string::npos) {
        url.setFragment(ToQString(page.substr(hash + 1)));
    }
    return url;
}

QUrl QtHelp::PageFor(int context) const {
    return PageUrl(index_.PageOf(context));
}

HelpWindow& QtHelp::EnsureWindow() {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
        window_->SetContents(PageUrl(index_.Contents()));
    }
    return *window_;
}

void QtHelp::Show(const std::string& page) {
    HelpWindow& window = EnsureWindow();
    if (!folder_) {
        window.ShowNotice(QObject::tr(
            "The help pages were not found. Set QUARVEX_HELP_DIR to the folder that holds "
            "them, or reinstall the program."));
        return;
    }
    window.ShowPage(PageUrl(page));
}

void QtHelp::ShowContext(int context) {
    Show(index_.PageOf(context));
}

void QtHelp::ShowContents() {
    Show(index_.Contents());
}

} // namespace quarvex::ui
