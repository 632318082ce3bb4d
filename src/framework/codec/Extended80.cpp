#include "framework/codec/Extended80.h"

#include "framework/codec/CodecErrors.h"

#include <cmath>

namespace quarvex::codec {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF; // infinities and NaNs
constexpr int kSignificandBits = 64;
constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

ExtendedBytes Pack(bool negative, int exponent, std::uint64_t significand) {
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    }
    const auto signAndExponent =
        static_cast<std::uint16_t>((negative ? 0x8000 : 0) | (exponent & kMaxExponent));
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

} // namespace

ExtendedBytes EncodeExtended(long double value) {
    if (!std::isfinite(value)) {
        throw ENotStorable("A number to be saved is not finite.");
    }
    const bool negative = std::signbit(value);
    if (value == 0) {
        return Pack(negative, 0, 0);
    }
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
    int biased = exponent - 1 + kBias;
    long double significand = 0;
    if (biased >= 1) {
        // Scaled to [2^63, 2^64): whole already unless long double is wider than 64 bits.
        significand = std::nearbyint(std::ldexp(fraction, kSignificandBits));
        if (significand >= std::ldexp(1.0L, kSignificandBits)) { // rounded up past the top
            significand = std::ldexp(1.0L, kSignificandBits - 1);
            ++biased;
        }
        if (biased >= kMaxExponent) {
            throw ENotStorable("A number to be saved is too large.");
        }
    } else {
        // Below the normal range the exponent field is 0 and the value is significand * 2^-16445.
        significand =
            std::nearbyint(std::ldexp(std::fabs(value), kBias - 1 + kSignificandBits - 1));
        biased = significand >= std::ldexp(1.0L, kSignificandBits - 1) ? 1 : 0;
    }
    return Pack(negative, biased, static_cast<std::uint64_t>(significand));
}

long double DecodeExtended(std::span<const std::uint8_t, 10> bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) {
        significand = (significand << 8) | bytes[i];
    }
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & kMaxExponent;
    if (exponent == kMaxExponent || (exponent != 0 && (significand & kLeadingBit) == 0)) {
        throw EDamagedFile();
    }
    if (significand == 0) {
        return negative ? -0.0L : 0.0L;
    }
    // A zero exponent field scales like 1 (subnormals and pseudo-denormals alike).
    const int scale = (exponent == 0 ? 1 : exponent) - kBias - (kSignificandBits - 1);
    const long double magnitude = std::ldexp(static_cast<long double>(significand), scale);
    if (!std::isfinite(magnitude)) {
        throw EDamagedFile();
    }
    return negative ? -magnitude : magnitude;
}

} // namespace quarvex::codec
