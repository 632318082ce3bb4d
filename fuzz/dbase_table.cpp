// Feeds arbitrary bytes to the table reader as the whole of a table file: the header and its
// field descriptors, then the records. A file must be refused with EDamagedTable or read
// whole: its lengths then account for every byte of the file, every field value reads or is
// refused with one of our errors, numbers are finite, and the header written again from what
// was read reads back the same.
#include "platform/Exception.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Header.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace {

using namespace quarvex::dbase;

constexpr std::uint32_t kMostRecordsRead = 64;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void ReadValue(const Record& record, std::size_t field, FieldType type) {
    try {
        switch (type) {
        case FieldType::Character:
            record.Text(field);
            break;
        case FieldType::Numeric:
        case FieldType::Float:
            if (const auto value = record.Number(field)) {
                Check(std::isfinite(*value));
            }
            record.Integer(field);
            break;
        case FieldType::Date:
            record.DateValue(field);
            break;
        case FieldType::Logical:
            record.Logical(field);
            break;
        }
    } catch (const quarvex::Exception&) {
        // a value the field's type does not allow: refused, as it should be
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    TableHeader header;
    try {
        header = DecodeHeader(file, size, last, "Fuzz.dbf");
    } catch (const EDamagedTable&) {
        return 0;
    }
    const std::uint64_t records =
        header.headerLength + std::uint64_t{header.recordCount} * header.recordLength;
    Check(records == size || (records + 1 == size && last == kEndOfFile));
    Check(header.headerLength == kHeaderPrefix + kDescriptorSize * header.fields.size() + 1 ||
          header.headerLength == kHeaderPrefix + kDescriptorSize * header.fields.size() + 2);

    // The header written again from what was read, with the same records after it.
    const TableHeader canonical = [&] {
        TableHeader copy = NewHeader(header.fields);
        copy.recordCount = header.recordCount;
        return copy;
    }();
    std::vector<std::uint8_t> again = EncodeHeader(canonical);
    again.insert(again.end(), file.begin() + header.headerLength, file.end());
    const TableHeader reread = DecodeHeader(again, again.size(), last, "Fuzz.dbf");
    Check(reread.fields == header.fields && reread.recordCount == header.recordCount);

    const auto layout = std::make_shared<const Layout>("Fuzz.dbf", header.fields);
    Check(layout->RecordLength() == header.recordLength);
    const std::uint32_t count = std::min(header.recordCount, kMostRecordsRead);
    for (std::uint32_t number = 1; number <= count; ++number) {
        const Record record(
            layout, number,
            file.subspan(header.headerLength + std::size_t{number - 1} * header.recordLength,
                         header.recordLength));
        for (std::size_t field = 0; field < layout->FieldCount(); ++field) {
            ReadValue(record, field, layout->Field(field).type);
        }
    }
    return 0;
}
