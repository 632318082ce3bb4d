#pragma once

#include <QIcon>

namespace quarvex::ui {

// The program's icon, drawn at the usual sizes: a calculator on a blue tile, the same picture
// as the desktop's data/quarvex.svg.
QIcon ProgramIcon();

} // namespace quarvex::ui
