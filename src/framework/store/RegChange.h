#pragma once

#include "framework/store/RegKeyTree.h"

#include <string>

namespace quarvex::framework {

// One change a program made to its settings and has not yet written. When it writes, it
// re-reads the file and replays only its own changes, so values another program wrote in
// the meantime survive.
struct RegChange {
    enum class Action { SetValue, DeleteValue, CreateKey, DeleteKey };

    Action action = Action::SetValue;
    RegKeyPath key;
    std::string name; // the value name, for SetValue and DeleteValue
    RegValue value;   // for SetValue
};

void ApplyChange(RegKeyTree& tree, const RegChange& change);

} // namespace quarvex::framework
