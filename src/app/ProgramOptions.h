#pragma once

#include <QString>
#include <QStringList>

namespace quarvex::app {

// The program takes no arguments in normal use. A few hidden ones serve the build's tools:
//   --screenshot FOLDER   saves pictures of the main window, a solved Loan calculator, the
//                         settings dialog and the printed Loan page into FOLDER, then ends;
//   --measure-startup     ends as soon as the main window is on the screen, printing the time;
//   --measure-memory      also opens two Loan calculators, then prints the resident memory;
//   --bare-window         shows an empty window instead of the program (the benchmark's
//                         baseline), and ends like --measure-startup.
struct ProgramOptions {
    enum class Mode { Normal, Screenshot, MeasureStartup, MeasureMemory, BareWindow };
    Mode mode = Mode::Normal;
    QString folder;
    QString error; // not empty: the arguments were not understood
};

// `arguments` as QCoreApplication::arguments() gives them (the program's name first, Qt's own
// options already taken out).
ProgramOptions ParseProgramOptions(const QStringList& arguments);

} // namespace quarvex::app
