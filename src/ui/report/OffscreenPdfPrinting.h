#pragma once

#include "platform/Printing.h"

#include <filesystem>
#include <memory>

namespace quarvex::ui {

// A print service that writes every print job into `file` as a PDF, with no dialog and no
// screen: the first call starts the Qt GUI application the painting needs, on the offscreen
// platform unless QT_QPA_PLATFORM names another. The file is replaced atomically. Plain C++
// in its interface, so that a program without windows (quarvex-calc) can link it in.
std::unique_ptr<Printing> MakeOffscreenPdfPrinting(const std::filesystem::path& file);

} // namespace quarvex::ui
