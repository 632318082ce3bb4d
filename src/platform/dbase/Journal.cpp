#include "platform/dbase/Journal.h"

#include "platform/FileDescriptor.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/Bytes.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quarvex::dbase {

namespace {

constexpr std::string_view kMagic = "QVJRNL01";
constexpr std::string_view kEndMark = "QVJEND01";

constexpr std::string_view kKeptPrefix = "tables.journal.kept-";

bool IsPlainName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

// The journal is written with one write and then flushed: only a journal whose last bytes
// reached the disk can have been flushed, and only then were the tables touched.
bool WrittenWhole(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kEndMark.size() &&
           std::string_view(reinterpret_cast<const char*>(bytes.data()) + bytes.size() -
                                kEndMark.size(),
                            kEndMark.size()) == kEndMark;
}

// Renames the journal to the first "tables.journal.kept-N" not taken; the caller holds the
// folder exclusively, so no other program of ours takes the name meanwhile.
std::filesystem::path KeepAside(const std::filesystem::path& folder, const WriteStepHook& hook) {
    const std::filesystem::path journal = folder / kJournalName;
    for (int number = 1;; ++number) {
        const std::filesystem::path kept =
            folder / (std::string(kKeptPrefix) + std::to_string(number));
        struct stat status {};
        if (::lstat(kept.c_str(), &status) == 0) {
            continue;
        }
        BeforeStep(hook, "journal-keep");
        if (::rename(journal.c_str(), kept.c_str()) != 0) {
            throw codec::EFileAccess("Cannot rename \"" + journal.string() + "\" to \"" +
                                     kept.string() + "\": " + ErrorText(errno) + ".");
        }
        BeforeStep(hook, "folder-sync");
        SyncFolder(folder);
        return kept;
    }
}

std::string CheckAdvice() {
    return " The tables may hold part of that change, so none of them will be changed while "
           "that file is there. Check the loans saved or deleted last, then move that file "
           "away.";
}

} // namespace

std::vector<std::uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries) {
    ByteSink sink;
    sink.Raw(kMagic);
    sink.U32(static_cast<std::uint32_t>(entries.size()));
    for (const auto& entry : entries) {
        sink.Text(entry.fileName);
        sink.U64(entry.originalSize);
        sink.U32(static_cast<std::uint32_t>(entry.regions.size()));
        for (const auto& region : entry.regions) {
            sink.U64(region.offset);
            sink.U32(static_cast<std::uint32_t>(region.bytes.size()));
            sink.Raw(region.bytes);
        }
    }
    const std::uint64_t sum = Checksum(sink.Bytes());
    sink.U64(sum);
    sink.Raw(kEndMark);
    return std::move(sink.Bytes());
}

std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const std::uint8_t> bytes) {
    const std::size_t trailer = 8 + kEndMark.size();
    if (bytes.size() < kMagic.size() + 4 + trailer ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()), kMagic.size()) != kMagic ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + bytes.size() -
                             kEndMark.size(),
                         kEndMark.size()) != kEndMark) {
        return std::nullopt;
    }
    const auto body = bytes.first(bytes.size() - trailer);
    ByteSource sumSource(bytes.subspan(body.size(), 8));
    if (sumSource.U64() != Checksum(body)) {
        return std::nullopt;
    }
    ByteSource source(body);
    source.Take(kMagic.size());
    const auto count = source.U32();
    if (!count) {
        return std::nullopt;
    }
    std::vector<JournalEntry> entries;
    for (std::uint32_t table = 0; table < *count; ++table) {
        JournalEntry entry;
        const auto name = source.Text();
        const auto size = source.U64();
        const auto regions = source.U32();
        if (!name || !size || !regions || !IsPlainName(*name)) {
            return std::nullopt;
        }
        entry.fileName = *name;
        entry.originalSize = *size;
        for (std::uint32_t index = 0; index < *regions; ++index) {
            const auto offset = source.U64();
            const auto length = source.U32();
            const auto old = length ? source.Take(*length) : std::nullopt;
            if (!offset || !old) {
                return std::nullopt;
            }
            entry.regions.push_back(SavedRegion{*offset, {old->begin(), old->end()}});
        }
        entries.push_back(std::move(entry));
    }
    if (source.Remaining() != 0) {
        return std::nullopt;
    }
    return entries;
}

void WriteJournal(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
                  const WriteStepHook& hook) {
    const std::filesystem::path path = folder / kJournalName;
    const std::vector<std::uint8_t> bytes = EncodeJournal(entries);
    BeforeStep(hook, "journal-write");
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.Get() < 0) {
        throw codec::EFileAccess("Cannot create \"" + path.string() + "\": " + ErrorText(errno) +
                                 ".");
    }
    WriteAt(file.Get(), 0, bytes, path);
    BeforeStep(hook, "journal-sync");
    SyncFile(file.Get(), path);
    BeforeStep(hook, "folder-sync");
    SyncFolder(folder);
}

void RollBack(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
              const WriteStepHook& hook) {
    for (const auto& entry : entries) {
        const std::filesystem::path path = folder / entry.fileName;
        FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
        if (file.Get() < 0) {
            if (errno == ENOENT) {
                continue; // nothing left to restore
            }
            throw codec::EFileAccess("Cannot restore \"" + path.string() +
                                     "\": " + ErrorText(errno) + ".");
        }
        for (const auto& region : entry.regions) {
            BeforeStep(hook, "rollback-write");
            WriteAt(file.Get(), region.offset, region.bytes, path);
        }
        BeforeStep(hook, "rollback-truncate");
        TruncateFile(file.Get(), entry.originalSize, path);
        BeforeStep(hook, "rollback-sync");
        SyncFile(file.Get(), path);
    }
    RemoveJournal(folder, hook);
}

void RemoveJournal(const std::filesystem::path& folder, const WriteStepHook& hook) {
    const std::filesystem::path path = folder / kJournalName;
    BeforeStep(hook, "journal-remove");
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        throw codec::EFileAccess("Cannot remove \"" + path.string() + "\": " + ErrorText(errno) +
                                 ".");
    }
    BeforeStep(hook, "folder-sync");
    SyncFolder(folder);
}

bool JournalExists(const std::filesystem::path& folder) {
    struct stat status {};
    return ::lstat((folder / kJournalName).c_str(), &status) == 0;
}

bool RecoverFolder(const std::filesystem::path& folder, const WriteStepHook& hook) {
    if (!JournalExists(folder)) {
        return false;
    }
    const std::filesystem::path path = folder / kJournalName;
    std::vector<std::uint8_t> bytes;
    {
        FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (file.Get() < 0) {
            throw codec::EFileAccess("Cannot read \"" + path.string() + "\": " + ErrorText(errno) +
                                     ".");
        }
        struct stat status {};
        if (::fstat(file.Get(), &status) != 0) {
            throw codec::EFileAccess("Cannot read \"" + path.string() + "\": " + ErrorText(errno) +
                                     ".");
        }
        bytes.resize(static_cast<std::size_t>(status.st_size));
        if (!ReadAt(file.Get(), 0, bytes, path)) {
            bytes.clear(); // shrank while read: not a journal of a finished write
        }
    }
    if (const auto entries = DecodeJournal(bytes)) {
        RollBack(folder, *entries, hook);
    } else if (WrittenWhole(bytes)) {
        const std::filesystem::path kept = KeepAside(folder, hook);
        throw EUnreadableJournal("A change of the tables in \"" + folder.string() +
                                 "\" stopped half-way and cannot be undone: the record of the "
                                 "old data it kept cannot be read. It was kept as \"" +
                                 kept.string() + "\"." + CheckAdvice());
    } else {
        RemoveJournal(folder, hook);
    }
    return true;
}

void RequireNoKeptJournal(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with(kKeptPrefix)) {
            throw EUnreadableJournal("The record of a change of the tables that could not be "
                                     "undone lies in \"" +
                                     entry->path().string() + "\"." + CheckAdvice());
        }
    }
}

} // namespace quarvex::dbase
