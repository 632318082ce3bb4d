// Builds "auto.bin", the lease inclusion amounts the MACRS engine reads, from its readable
// source: make_auto_bin <source> <auto.bin>.
#include "engines/depreciation/InclusionSource.h"
#include "framework/codec/WholeFile.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_auto_bin <source> <auto.bin>\n";
        return 2;
    }
    try {
        std::ifstream source(argv[1], std::ios::binary);
        std::ostringstream text;
        text << source.rdbuf();
        if (!source) {
            std::cerr << "make_auto_bin: cannot read " << argv[1] << "\n";
            return 1;
        }
        const auto table = quarvex::engines::ParseInclusionSource(text.str());
        quarvex::codec::WriteWholeFile(argv[2], quarvex::engines::InclusionTableBytes(table));
    } catch (const std::exception& error) {
        std::cerr << "make_auto_bin: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
