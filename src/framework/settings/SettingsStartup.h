#pragma once

namespace quarvex::framework {

class RegIni;

// Runs once when the program starts, before any window: when the stored version stamp is not
// "5.00a", the program's whole key (every calculator's state and every setting) is deleted
// and the stamp written anew. "Prepared By:" is read first and written back afterwards, so the
// user's name survives the reset; on a first start it becomes the hint text. One file write.
void StartSettingsUnit(RegIni& store);

} // namespace quarvex::framework
