#pragma once

#include <functional>
#include <string_view>

namespace quarvex::dbase {

// Called before every step that changes the disk while a change is saved, packed or undone
// ("journal-write", "journal-sync", "folder-sync", "table-write", "table-sync",
// "journal-remove", "pack-write", "pack-rename", ...). Tests use it to fail a step by
// throwing, or to end the process there, and so check that every table comes out whole.
using WriteStepHook = std::function<void(std::string_view step)>;

inline void BeforeStep(const WriteStepHook& hook, std::string_view step) {
    if (hook) {
        hook(step);
    }
}

} // namespace quarvex::dbase
