#include "app/ProgramOptions.h"

namespace quarvex::app {

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    const QStringList given = arguments.mid(1);
    if (given.isEmpty()) {
        return options;
    }
    const QString& first = given.front();
    if (first == QLatin1String("--screenshot") && given.size() == 2 && !given[1].isEmpty()) {
        options.mode = ProgramOptions::Mode::Screenshot;
        options.folder = given[1];
    } else if (first == QLatin1String("--measure-startup") && given.size() == 1) {
        options.mode = ProgramOptions::Mode::MeasureStartup;
    } else if (first == QLatin1String("--measure-memory") && given.size() == 1) {
        options.mode = ProgramOptions::Mode::MeasureMemory;
    } else if (first == QLatin1String("--bare-window") && given.size() == 1) {
        options.mode = ProgramOptions::Mode::BareWindow;
    } else {
        options.error = QStringLiteral("quarvex takes no arguments (%1)").arg(given.join(' '));
    }
    return options;
}

} // namespace quarvex::app
