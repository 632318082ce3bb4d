// Feeds arbitrary bytes to the rollback journal reader. A journal must be refused (nullopt)
// or read whole, and one that is read must be exactly the journal its entries encode to: no
// byte of it is ignored, so a damaged journal can never pass for a sound one.
#include "platform/dbase/Bytes.h"
#include "platform/dbase/Journal.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// A journal must be refused or read whole, and then be exactly what its entries encode to.
void CheckJournal(std::span<const std::uint8_t> bytes) {
    const auto entries = quarvex::dbase::DecodeJournal(bytes);
    if (!entries) {
        return;
    }
    const std::vector<std::uint8_t> encoded = quarvex::dbase::EncodeJournal(*entries);
    Check(encoded.size() == bytes.size() &&
          std::equal(encoded.begin(), encoded.end(), bytes.begin()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckJournal(bytes);
    // The checksum keeps nearly every input away from the reading of the entries: the same
    // bytes with the checksum made right (the 8 bytes before the end mark) reach it.
    constexpr std::size_t kTrailer = 16;
    if (size >= kTrailer) {
        std::vector<std::uint8_t> patched(bytes.begin(), bytes.end());
        const std::uint64_t sum =
            quarvex::dbase::Checksum(std::span(patched).first(size - kTrailer));
        for (std::size_t at = 0; at < 8; ++at) {
            patched[size - kTrailer + at] = static_cast<std::uint8_t>(sum >> (8 * at));
        }
        CheckJournal(patched);
    }
    return 0;
}
