#include "cli/FileOptions.h"

namespace quarvex::cli {

namespace {

std::optional<std::filesystem::path>* Slot(std::string_view argument, FileOptions& options) {
    if (argument == "--load") {
        return &options.load;
    }
    if (argument == "--save") {
        return &options.save;
    }
    if (argument == "--pdf") {
        return &options.pdf;
    }
    return nullptr;
}

} // namespace

bool TakeFileOption(const std::vector<std::string>& arguments, std::size_t& i,
                    FileOptions& options) {
    const std::string& argument = arguments[i];
    auto* slot = Slot(argument, options);
    if (slot == nullptr) {
        return false;
    }
    if (slot->has_value()) {
        throw framework::EBadArgument(argument + " is given twice");
    }
    if (i + 1 >= arguments.size() || arguments[i + 1].empty() ||
        arguments[i + 1].rfind("--", 0) == 0) {
        throw framework::EBadArgument(argument + " takes a file name");
    }
    *slot = arguments[++i];
    return true;
}

void CheckFileOptions(const framework::CalcBuffer& buffer, const FileOptions& options) {
    if ((options.load || options.save) && !buffer.DataFile()) {
        throw framework::EBadArgument(
            std::string(buffer.Spec().stem) +
            " has no data files: --save and --load take a file with the calculators that save "
            "and load one, and an account or loan number with the amortization calculator only");
    }
}

bool LoadDataFile(framework::CalcBuffer& buffer, const std::filesystem::path& file,
                  std::ostream& err) {
    if (buffer.ReadDataFile(file.string())) {
        return true;
    }
    // The calculator has told why ("Version Mismatch"); say which file it was.
    err << file.string() << " is not a " << buffer.DataFile()->openDescription << " file\n";
    return false;
}

} // namespace quarvex::cli
