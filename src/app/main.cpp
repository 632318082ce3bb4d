// The desktop program.
#include "app/Measurement.h"
#include "app/Program.h"
#include "app/ProgramOptions.h"
#include "app/Screenshots.h"
#include "framework/buffer/ErrorText.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/GuardedApplication.h"

#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace quarvex;
using app::ProgramOptions;
using SteadyClock = std::chrono::steady_clock;

void Report(const char* what, double value) {
    std::printf("%s %.1f\n", what, value);
    std::fflush(stdout);
}

// The benchmark's baseline: an empty window of the main window's size, nothing else.
int RunBareWindow(SteadyClock::time_point started) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quarvex!"));
    window.resize(545, 502);
    app::WhenOnScreen(window, [&] {
        Report("startup_ms", app::MillisecondsSince(started));
        window.close();
        QCoreApplication::quit();
    });
    window.show();
    return QApplication::exec();
}

int RunProgram(const ProgramOptions& options, SteadyClock::time_point started) {
    std::unique_ptr<app::PicturePrinting> pictures;
    if (options.mode == ProgramOptions::Mode::Screenshot) {
        QDir().mkpath(options.folder);
        pictures = std::make_unique<app::PicturePrinting>(options.folder);
    }
    app::Program program(pictures.get());
    program.Start();
    ui::MainWindow& window = program.Window();
    switch (options.mode) {
    case ProgramOptions::Mode::Screenshot:
        return app::TakeScreenshots(program, *pictures, options.folder);
    case ProgramOptions::Mode::MeasureStartup:
        app::WhenOnScreen(window, [&] {
            Report("startup_ms", app::MillisecondsSince(started));
            window.close();
        });
        break;
    case ProgramOptions::Mode::MeasureMemory:
        app::WhenOnScreen(window, [&] {
            window.Launch("loan");
            window.Launch("loan");
            QTimer::singleShot(300, &window, [&] {
                Report("rss_kb", static_cast<double>(app::ResidentKilobytes()));
                window.close();
            });
        });
        break;
    case ProgramOptions::Mode::Normal:
    case ProgramOptions::Mode::BareWindow:
        break;
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const SteadyClock::time_point started = SteadyClock::now();
    ui::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvex!"));
    QApplication::setOrganizationName(QStringLiteral("Kelvarn Software"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quarvex"));
    QApplication::setWindowIcon(ui::ProgramIcon());
    // The program ends when its main window closes, whatever else (help) is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    const ProgramOptions options = app::ParseProgramOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(options.error));
        return 2;
    }
    if (options.mode == ProgramOptions::Mode::BareWindow) {
        return RunBareWindow(started);
    }
    try {
        return RunProgram(options, started);
    } catch (const std::exception& error) {
        // The program cannot start (no settings file can be found or written): say why.
        ui::ShowUnexpectedError(QString::fromStdString(framework::ErrorText(error)));
        return 1;
    }
}
