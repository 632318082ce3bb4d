#pragma once

#include "framework/buffer/CalculatorController.h"
#include "framework/masks/TMasks.h"
#include "platform/FileDialogs.h"
#include "support/BufferFixture.h"
#include "ui/framework/CalculatorWindow.h"
#include "ui/platform/UiContext.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

namespace quarvex::testing {

// File dialogs that answer from a script and remember what they were asked.
class RecordingFileDialogs : public FileDialogs {
public:
    std::string answer;
    std::vector<FileDialogRequest> requests;
    std::string ChooseSaveFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::string ChooseOpenFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::string ChooseFolder(const std::string&) override { return answer; }
};

// A window's world for tests: a buffer fixture (fresh settings file, recording services,
// United States conventions), the window options and the masks, and the windows opened, which
// are closed and deleted at the end.
struct UiTestContext {
    BufferFixture fixture;
    RecordingFileDialogs fileDialogs;
    framework::WindowOptions windowOptions;
    masks::TMasks masks;
    ui::UiContext ui{fixture.context, fixture.help, fileDialogs, windowOptions, masks};
    std::vector<QPointer<ui::CalculatorWindow>> windows;

    UiTestContext() = default;
    UiTestContext(const UiTestContext&) = delete;
    UiTestContext& operator=(const UiTestContext&) = delete;

    ~UiTestContext() {
        for (auto& window : windows) {
            delete window.data();
        }
        DeleteClosedWindows();
    }

    // The conventions and masks of a country (49: Germany).
    void UseCountry(std::uint16_t countryCode) {
        fixture.conventions = masks::ConventionsForCountry(countryCode);
        masks = masks::TMasks::ForCountry(countryCode, fixture.conventions);
    }

    // Opens a window of a calculator as the launcher does; null when no slot is free.
    template <class Buffer> ui::CalculatorWindow* Open(framework::CalculatorFamily& family) {
        const auto slot = family.FreeSlot();
        if (!slot) {
            return nullptr;
        }
        auto controller = std::make_unique<framework::CalculatorController>(
            std::make_unique<Buffer>(fixture.context), family, fixture.help, windowOptions);
        ui::CalculatorWindow* window =
            ui::MakeCalculatorWindow(family.Spec().stem, std::move(controller), ui);
        windows.emplace_back(window);
        window->ShowInstance(*slot);
        return window;
    }

    // Runs what waits in the event loop (a refusal's message box).
    static void ProcessEvents() { QCoreApplication::processEvents(); }
    static void DeleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace quarvex::testing

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
