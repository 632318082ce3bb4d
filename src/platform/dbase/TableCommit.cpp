#include "platform/dbase/Table.h"

#include "platform/dbase/Database.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/FileIo.h"
#include "platform/dbase/Journal.h"

#include <algorithm>

// The table's part in a Transaction's commit: what to write, the old bytes for the journal,
// the writing, and the memory brought up to date afterwards.
namespace quarvex::dbase {

namespace {

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

Table::Plan Table::PlanChanges(const Pending& pending) {
    // The plan rests on the header read when the change began; a program that does not take
    // our locks may have changed the file since.
    if (CurrentStamp() != stamp_) {
        Forget();
        throw ETableMismatch("The table " + Quoted(fileName_) +
                             " was changed by another program while this change was prepared; "
                             "nothing was written. Please try again.");
    }
    Plan plan;
    plan.header = header_;
    const std::uint64_t length = header_.recordLength;
    const std::uint64_t start = header_.headerLength;
    const std::uint32_t count = header_.recordCount;
    if (pending.appended.size() > 0xFFFFFFFFu - count) {
        throw EInvalidRequest("The table " + Quoted(fileName_) + " cannot hold more records.");
    }
    plan.header.recordCount = count + static_cast<std::uint32_t>(pending.appended.size());
    plan.header.changeCounter = header_.changeCounter + 1;
    const Date today = database_.Today();
    plan.header.updated = UpdateDateBytes(today.year, today.month, today.day);

    // The first 32 bytes as they are, with the date, count and counter changed: bytes other
    // writers keep there stay as they were.
    std::vector<std::uint8_t> prefix(kHeaderPrefix);
    if (!ReadAt(fd_, 0, prefix, path_)) {
        throw EDamagedTable("The table " + Quoted(fileName_) +
                            " is damaged: its header is cut short.");
    }
    const auto fresh = EncodeHeaderPrefix(plan.header);
    std::copy(fresh.begin() + 1, fresh.begin() + 8, prefix.begin() + 1);
    std::copy(fresh.begin() + 16, fresh.begin() + 20, prefix.begin() + 16);
    plan.writes.push_back(Write{0, std::move(prefix)});

    // Deleted flags before replaced fields, which come after and so win where both apply. A
    // run of neighbouring records (a loan's rows) is written as one span, as it stands with
    // its flags set: one write instead of one per record.
    const std::vector<RecNo> deleted(pending.deleted.begin(), pending.deleted.end());
    for (std::size_t at = 0; at < deleted.size();) {
        std::size_t end = at + 1;
        while (end < deleted.size() && deleted[end] == deleted[end - 1] + 1) {
            ++end;
        }
        const std::uint64_t offset = start + (deleted[at] - 1) * length;
        if (end - at == 1) {
            plan.writes.push_back(Write{offset, {kRecordDeleted}});
        } else {
            Write span{offset, std::vector<std::uint8_t>((end - at - 1) * length + 1), length};
            if (!ReadAt(fd_, offset, span.bytes, path_)) {
                throw EDamagedTable("The table " + Quoted(fileName_) +
                                    " is damaged: the file ends before its last record.");
            }
            for (std::size_t flag = 0; flag < span.bytes.size(); flag += length) {
                span.bytes[flag] = kRecordDeleted;
            }
            plan.writes.push_back(std::move(span));
        }
        at = end;
    }
    for (const auto& [record, values] : pending.replaced) {
        if (IsDeletedOnDisk(record)) {
            plan.hiddenReplaced.insert(record);
        }
        const auto bytes = values.Bytes();
        plan.writes.push_back(
            Write{start + (record - 1) * length + 1, {bytes.begin() + 1, bytes.end()}});
    }
    if (!pending.appended.empty()) {
        std::vector<std::uint8_t> block;
        block.reserve(pending.appended.size() * length + 1);
        for (const Record& record : pending.appended) {
            const auto bytes = record.Bytes();
            block.push_back(kRecordKept);
            block.insert(block.end(), bytes.begin() + 1, bytes.end());
        }
        block.push_back(kEndOfFile);
        plan.writes.push_back(Write{start + count * length, std::move(block)});
    }
    return plan;
}

JournalEntry Table::SaveOldBytes(const Plan& plan) {
    JournalEntry entry;
    entry.fileName = fileName_;
    entry.originalSize = stamp_.size;
    const std::uint64_t length = header_.recordLength;
    const std::uint64_t start = header_.headerLength;
    std::vector<std::uint8_t> image(length);
    for (const Write& write : plan.writes) {
        if (write.offset >= entry.originalSize) {
            continue;
        }
        if (write.stride != 0) {
            for (std::uint64_t flag = write.offset; flag < write.offset + write.bytes.size();
                 flag += write.stride) {
                ReadImage(static_cast<RecNo>((flag - start) / length + 1), image);
                entry.regions.push_back(SavedRegion{flag, {image[0]}});
            }
            continue;
        }
        const std::uint64_t end =
            std::min<std::uint64_t>(write.offset + write.bytes.size(), entry.originalSize);
        SavedRegion region{write.offset, std::vector<std::uint8_t>(end - write.offset)};
        const std::uint64_t record = write.offset >= start ? (write.offset - start) / length : 0;
        const bool insideOneRecord = write.offset >= start && record < header_.recordCount &&
                                     end <= start + (record + 1) * length;
        if (insideOneRecord) {
            // Deleted flags and replaced fields: read through the walking buffer.
            ReadImage(static_cast<RecNo>(record + 1), image);
            const std::size_t from = write.offset - start - record * length;
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(from), region.bytes.size(),
                        region.bytes.begin());
        } else if (!ReadAt(fd_, write.offset, region.bytes, path_)) {
            throw EDamagedTable("The table " + Quoted(fileName_) +
                                " is damaged: it ends before its last record.");
        }
        entry.regions.push_back(std::move(region));
    }
    return entry;
}

void Table::WritePlan(const Plan& plan) {
    const WriteStepHook& hook = database_.Hook();
    DropBuffer();
    for (const Write& write : plan.writes) {
        BeforeStep(hook, "table-write");
        WriteAt(fd_, write.offset, write.bytes, path_);
    }
    BeforeStep(hook, "table-sync");
    SyncFile(fd_, path_);
}

void Table::AfterCommit(const Pending& pending, const Plan& plan) {
    try {
        const RecNo firstAppended = header_.recordCount + 1;
        header_ = plan.header;
        std::vector<RecNo> removed(pending.deleted.begin(), pending.deleted.end());
        for (const auto& [record, values] : pending.replaced) {
            removed.push_back(record);
        }
        std::sort(removed.begin(), removed.end());
        for (const auto& tag : tags_) {
            std::vector<TagIndex::Entry> added;
            for (const auto& [record, values] : pending.replaced) {
                if (!pending.deleted.contains(record) && !plan.hiddenReplaced.contains(record)) {
                    added.emplace_back(tag->Expression().KeyOf(values.Bytes()), record);
                }
            }
            RecNo record = firstAppended;
            for (const Record& values : pending.appended) {
                added.emplace_back(tag->Expression().KeyOf(values.Bytes()), record++);
            }
            tag->Apply(removed, std::move(added));
        }
        stamp_ = CurrentStamp();
        ++generation_;
        cacheDirty_ = true;
        DropBuffer();
    } catch (...) {
        Forget(); // the change is on the disk; the next read rebuilds the memory from it
    }
}

} // namespace quarvex::dbase
