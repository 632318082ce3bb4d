#pragma once

#include "platform/dbase/WriteSteps.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The rollback journal that makes a change of several tables all-or-nothing.
//
// Before a change touches any table, the journal "tables.journal" is written in the data
// folder and flushed to the disk: for every table the change will write, the file's size and
// the bytes it will overwrite (the header, replaced records, deleted flags, the end mark).
// Then the tables are written and flushed, and removing the journal is the moment the change
// takes effect. Whoever next reads the folder and finds a complete journal knows that a
// change stopped half-way, and puts every byte it lists back and cuts each table to its old
// size: the tables are then exactly as before the change. A journal cut short (a crash while
// it was written, before it was flushed) is simply removed, for no table had been touched
// yet. A journal that ends with its end mark was written whole, and the tables may have been
// written after it; if it cannot be read all the same (a damaged disk, a copy gone wrong) it
// may hold the only copy of the old bytes. It is then renamed "tables.journal.kept-N" (the
// first N not taken) and EUnreadableJournal raised; the folder's tables are not changed while
// a kept journal lies there, so that the user can check them first.
//
// Layout: "QVJRNL01", u32 table count, per table (u16 name length, name, u64 old size,
// u32 region count, per region u64 offset, u32 length, the old bytes), u64 checksum of all
// before it, "QVJEND01"; little-endian.
namespace quarvex::dbase {

inline constexpr const char* kJournalName = "tables.journal";

struct SavedRegion {
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;
};

struct JournalEntry {
    std::string fileName; // inside the data folder
    std::uint64_t originalSize = 0;
    std::vector<SavedRegion> regions;
};

std::vector<std::uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries);

// The entries of a complete journal; nullopt for one that is cut short or damaged.
std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const std::uint8_t> bytes);

// Writes the journal and flushes it and the folder to the disk.
void WriteJournal(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
                  const WriteStepHook& hook);

// Puts the old bytes back and the old sizes, flushes every table, then removes the journal.
void RollBack(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
              const WriteStepHook& hook);

// Removes the journal and flushes the folder: the change it guarded takes effect.
void RemoveJournal(const std::filesystem::path& folder, const WriteStepHook& hook);

// Whether a journal lies in the folder.
bool JournalExists(const std::filesystem::path& folder);

// Rolls back the change a journal in the folder guarded, if any; the caller holds the folder
// exclusively. True when there was a journal. A whole journal that cannot be read is kept
// aside and EUnreadableJournal raised.
bool RecoverFolder(const std::filesystem::path& folder, const WriteStepHook& hook);

// Raises EUnreadableJournal when a kept journal lies in the folder: no change may be made.
void RequireNoKeptJournal(const std::filesystem::path& folder);

} // namespace quarvex::dbase
