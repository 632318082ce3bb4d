#include "engines/depreciation/calculator/RecordImage.h"

namespace quarvex::engines::image {

void WritePrompt(codec::RecordWriter& writer, const std::string& prompt) {
    writer.WriteShortString(prompt, kPromptCapacity);
}

void WriteHeadings(codec::RecordWriter& writer) {
    for (const char* heading : kHeadings) {
        writer.WriteShortString(heading, kPromptCapacity);
    }
}

void SkipPrompt(codec::RecordReader& reader) {
    reader.ReadShortString(kPromptCapacity);
}

void SkipHeadings(codec::RecordReader& reader) {
    for (std::size_t i = 0; i < kHeadings.size(); ++i) {
        SkipPrompt(reader);
    }
}

} // namespace quarvex::engines::image
