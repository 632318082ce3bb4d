#pragma once

#include "platform/Help.h"
#include "ui/platform/HelpFolder.h"
#include "ui/platform/HelpIndex.h"
#include "ui/platform/HelpWindow.h"

#include <QUrl>

#include <filesystem>
#include <memory>
#include <optional>

namespace quarvex::ui {

// Help by context number over the pages of a help folder: the page the folder's index names
// for a context, the contents page for a context without one. The window is made on first
// use and reused after.
class QtHelp : public Help {
public:
    // Without a folder every context shows a notice that the help pages were not found.
    explicit QtHelp(std::optional<std::filesystem::path> folder);
    ~QtHelp() override;
    QtHelp(const QtHelp&) = delete;
    QtHelp& operator=(const QtHelp&) = delete;

    // The help of this run: the folder FindHelpFolder finds (QUARVEX_HELP_DIR, beside the
    // program, the source tree).
    static std::unique_ptr<QtHelp> ForProgram(const HelpEnvironment& environment);

    void ShowContext(int context) override;
    void ShowContents();

    // The page of a context as the window opens it; empty without a help folder.
    QUrl PageFor(int context) const;
    const std::optional<std::filesystem::path>& Folder() const { return folder_; }
    const HelpIndex& Index() const { return index_; }
    // The help window; null until help was first shown.
    HelpWindow* Window() const { return window_.get(); }

private:
    QUrl PageUrl(const std::string& page) const;
    HelpWindow& EnsureWindow();
    void Show(const std::string& page);

    std::optional<std::filesystem::path> folder_;
    HelpIndex index_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace quarvex::ui
