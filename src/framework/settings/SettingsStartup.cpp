#include "framework/settings/SettingsStartup.h"

#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"

#include <string>

namespace quarvex::framework {

void StartSettingsUnit(RegIni& store) {
    namespace keys = settings_keys;
    store.SetCurSubKey(keys::kRootKey);
    const std::string version = store.ReadText(keys::kVersionValue, keys::kVersionAbsent);
    const std::string preparedBy = store.ReadText(keys::kPreparedByValue, keys::kPreparedByHint);

    RegIni::Batch batch(store);
    if (version != keys::kVersionStamp) {
        store.DeleteKey(keys::kRootKey);
        store.SetCurSubKey(keys::kRootKey);
        store.WriteText(keys::kVersionValue, keys::kVersionStamp);
    }
    store.WriteText(keys::kPreparedByValue, preparedBy);
    batch.Commit();
}

} // namespace quarvex::framework
