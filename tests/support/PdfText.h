#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace quarvex::testing {

// The text of a PDF as poppler's pdftotext reads it, pages kept in their layout and separated
// by form feeds; empty when the file cannot be read.
inline std::string PdfText(const std::filesystem::path& file) {
    const std::string command = "pdftotext -layout '" + file.string() + "' - 2>/dev/null";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> chunk{};
        std::size_t read = 0;
        while ((read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
            text.append(chunk.data(), read);
        }
        ::pclose(pipe);
    }
    return text;
}

// How often `part` stands in `text`, overlapping runs counted.
inline int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace quarvex::testing
