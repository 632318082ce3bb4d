#include "framework/store/RegChange.h"

namespace quarvex::framework {

void ApplyChange(RegKeyTree& tree, const RegChange& change) {
    switch (change.action) {
    case RegChange::Action::SetValue:
        tree.SetValue(change.key, change.name, change.value);
        break;
    case RegChange::Action::DeleteValue:
        tree.RemoveValue(change.key, change.name);
        break;
    case RegChange::Action::CreateKey:
        tree.Obtain(change.key);
        break;
    case RegChange::Action::DeleteKey:
        tree.Remove(change.key);
        break;
    }
}

} // namespace quarvex::framework
