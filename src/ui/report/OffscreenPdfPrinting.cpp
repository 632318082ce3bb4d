#include "ui/report/OffscreenPdfPrinting.h"

#include "ui/platform/PdfPrinting.h"

#include <QGuiApplication>

namespace quarvex::ui {

namespace {

// Fonts and painting need a GUI application; a program that has none gets one for the rest of
// its run, started only when it prints.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "quarvex-calc";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

std::unique_ptr<Printing> MakeOffscreenPdfPrinting(const std::filesystem::path& file) {
    EnsureGuiApplication();
    return std::make_unique<PdfPrinting>(file);
}

} // namespace quarvex::ui
