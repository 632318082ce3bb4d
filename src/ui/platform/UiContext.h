#pragma once

#include "framework/buffer/BufferContext.h"
#include "framework/buffer/CalculatorController.h"
#include "framework/masks/TMasks.h"

namespace quarvex {
class Help;
class FileDialogs;
} // namespace quarvex

namespace quarvex::ui {

// What every window of the desktop program reaches: the services and values one run shares.
// The program builds one in main(); window tests build their own with recording services.
struct UiContext {
    framework::BufferContext& buffers; // store, messages, clipboard, printing, clock, ...
    Help& help;
    FileDialogs& fileDialogs;
    const framework::WindowOptions& windowOptions;
    const masks::TMasks& masks;
};

} // namespace quarvex::ui
