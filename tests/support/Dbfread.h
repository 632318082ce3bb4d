#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// Python's dbfread, an independent dBASE reader, for the tests that check our tables with it
// where it is installed.
namespace quarvex::testing {

// A Python interpreter that can import dbfread, or an empty text when there is none.
inline std::string FindPythonWithDbfread() {
    for (const char* candidate : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(candidate) + " -c 'import dbfread' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) {
            return candidate;
        }
    }
    return {};
}

// The lines a shell command prints.
inline std::vector<std::string> OutputLines(const std::string& command) {
    std::vector<std::string> lines;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return lines;
    }
    std::string text;
    char chunk[4096];
    while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, pipe)) {
        text.append(chunk, count);
    }
    ::pclose(pipe);
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace quarvex::testing
