#pragma once

#include <array>
#include <cstdint>
#include <span>

// The 80-bit extended real of our data files (the x87 format): a 64-bit significand with
// its leading bit written out, a 15-bit exponent biased by 16383 and a sign bit, stored
// little-endian in 10 bytes. Converted arithmetically, so the code works whatever `long
// double` is on the machine: 1.0 is 00 00 00 00 00 00 00 80 FF 3F.
namespace quarvex::codec {

using ExtendedBytes = std::array<std::uint8_t, 10>;

// The bytes of a finite value, rounded to a 64-bit significand where long double is wider.
// Throws ENotStorable for an infinity or NaN.
ExtendedBytes EncodeExtended(long double value);

// The value of 10 bytes. Zeros, subnormals and the x87 pseudo-denormals read as their
// values (rounded where long double is narrower). Throws EDamagedFile for an infinity or NaN,
// for an "unnormal" (exponent set, leading bit clear, which the x87 itself refuses) and for a
// value beyond the range of long double on this machine.
long double DecodeExtended(std::span<const std::uint8_t, 10> bytes);

} // namespace quarvex::codec
