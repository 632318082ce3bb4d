#pragma once

#include "framework/codec/RecordReader.h"
#include "framework/codec/RecordWriter.h"

#include <array>
#include <string>

// Pieces of the depreciation files that keep a calculator's record as it lies in memory:
// prompts and column headings as short strings of 255 characters (256 bytes each).
namespace quarvex::engines::image {

inline constexpr std::size_t kPromptCapacity = 255;
inline constexpr std::size_t kPromptSize = kPromptCapacity + 1;
inline constexpr std::array<const char*, 6> kHeadings = {"Year", "Depreciation", "Adjusted Basis",
                                                         "Year", "Depreciation", "Adjusted Basis"};

void WritePrompt(codec::RecordWriter& writer, const std::string& prompt);
void WriteHeadings(codec::RecordWriter& writer);
// Reads past a prompt or the headings, checking that each is a sound short string.
void SkipPrompt(codec::RecordReader& reader);
void SkipHeadings(codec::RecordReader& reader);

} // namespace quarvex::engines::image
