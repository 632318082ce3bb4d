#pragma once

#include "framework/masks/NumberConventions.h"
#include "framework/report/ReportFont.h"

namespace quarvex {
class Messages;
class Clipboard;
class Printing;
class Clock;
} // namespace quarvex

namespace quarvex::framework {

class RegIni;
class ApplicationValues;

// What a calculator buffer reaches outside itself. One context serves every buffer of a run;
// tests and the command line fill it with their own services.
struct BufferContext {
    RegIni& store;
    Messages& messages;
    Clipboard& clipboard;
    Printing& printing;
    const Clock& clock;
    const masks::NumberConventions& conventions;
    const report::ReportFont& reportFont;
    const ApplicationValues& application;
};

} // namespace quarvex::framework
