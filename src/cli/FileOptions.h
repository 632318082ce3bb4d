#pragma once

#include "framework/buffer/CalcBuffer.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The files of a calculator run, for every calculator alike:
//   --load FILE   the calculator's data file (the kind its Load button reads), read with its
//                 full checks before anything changes; NAME=VALUE arguments then apply on top
//   --save FILE   after the calculation, the file its Save button writes, written atomically
//   --pdf FILE    after the calculation, what its Print button prints, as a PDF file
// A calculator takes part by declaring its kind of data file (CalcBuffer::DataFile) and its
// printout (CalcBuffer::Print); nothing here knows one calculator from another.
namespace quarvex::cli {

struct FileOptions {
    std::optional<std::filesystem::path> load;
    std::optional<std::filesystem::path> save;
    std::optional<std::filesystem::path> pdf;
};

// Takes arguments[i] (and its value after it) when it is one of the options; false when it is
// not. Throws framework::EBadArgument for a missing value or an option given twice.
bool TakeFileOption(const std::vector<std::string>& arguments, std::size_t& i,
                    FileOptions& options);

// Throws framework::EBadArgument when the calculator has no data file but --load or --save
// asks for one.
void CheckFileOptions(const framework::CalcBuffer& buffer, const FileOptions& options);

// Reads --load into the buffer; false (after the reason, with the file's name, on `err`) when
// the file is not one of the calculator's, and then nothing changed. Errors reading the file
// propagate (they name it).
bool LoadDataFile(framework::CalcBuffer& buffer, const std::filesystem::path& file,
                  std::ostream& err);

} // namespace quarvex::cli
