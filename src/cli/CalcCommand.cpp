#include "cli/CalcCommand.h"

#include "calculators/Catalog.h"
#include "cli/CliServices.h"
#include "cli/DatabaseCommand.h"
#include "cli/FieldInput.h"
#include "cli/FileOptions.h"
#include "cli/JsonFields.h"
#include "framework/buffer/ErrorText.h"
#include "framework/buffer/FieldRange.h"
#include "framework/dates/DateText.h"
#include "framework/dates/SystemClock.h"
#include "framework/masks/NumberConventions.h"
#include "framework/report/ReportFont.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/settings/DataFolders.h"
#include "framework/store/RegIni.h"
#include "framework/store/RegKeyPath.h"
#include "framework/store/StorePaths.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

namespace quarvex::cli {

namespace {

using calculators::CalculatorEntry;
using framework::FieldSpec;

struct Request {
    const CalculatorEntry* calculator = nullptr;
    bool listFields = false;
    bool json = false;
    bool settings = false;
    std::optional<std::int32_t> today;
    // Output switches of the calculator's own (--apr), in the order given.
    std::vector<const framework::OutputFlagSpec*> flags;
    // NAME=VALUE arguments in the order given; applied to the calculator once it exists.
    std::vector<std::pair<std::string, std::string>> assignments;
    FileOptions files;
};

// Arguments that cannot be used: the message, and exit code 2.
struct BadArguments {
    std::string message;
};

using framework::SameName; // names match in any case, as stored value names do

std::optional<std::size_t> FindField(const framework::CalculatorSpec& spec, std::string_view name) {
    for (std::size_t i = 0; i < spec.fields.size(); ++i) {
        if (SameName(spec.fields[i].Name(), name)) {
            return i;
        }
    }
    return std::nullopt;
}

BadArguments NoSuchField(const framework::CalcBuffer& buffer, std::string_view name) {
    std::string names;
    for (const FieldSpec& field : buffer.Spec().fields) {
        names += (names.empty() ? "" : ", ") + std::string(field.Name());
    }
    for (const std::string& extra : buffer.ArgumentHelp()) {
        names += ", " + extra.substr(0, extra.find('\t'));
    }
    return BadArguments{std::string(buffer.Spec().stem) + " has no field '" + std::string(name) +
                        "'; its fields are " + names};
}

// Gives the calculator one NAME=VALUE argument: a field of its table, or an argument of its
// own (a list of cash flows). A field takes what its window's mask takes, and its linked
// fields follow as they do when it is edited in the window.
void Apply(framework::CalcBuffer& buffer, const std::string& name, const std::string& value) {
    if (const auto field = FindField(buffer.Spec(), name)) {
        const FieldSpec& spec = buffer.Spec().fields[*field];
        FieldInput input = ParseFieldInput(spec, value);
        if (auto* problem = std::get_if<std::string>(&input)) {
            throw BadArguments{*problem};
        }
        const auto& typed = std::get<framework::FieldValue>(input);
        if (const auto outside = framework::OutsideFieldRange(spec, typed)) {
            throw BadArguments{std::string(spec.Name()) + " is out of range, '" + value +
                               "': " + *outside};
        }
        buffer.Data().SetValue(*field, typed);
        buffer.FormFieldChanged(buffer.Data(), *field);
        return;
    }
    try {
        if (!buffer.TakeArgument(name, value)) {
            throw NoSuchField(buffer, name);
        }
    } catch (const framework::EBadArgument& bad) {
        throw BadArguments{bad.Message()};
    }
}

const framework::OutputFlagSpec* FindFlag(const framework::CalculatorSpec& spec,
                                          std::string_view argument) {
    if (argument.rfind("--", 0) != 0) {
        return nullptr;
    }
    const std::string_view name = argument.substr(2);
    for (const framework::OutputFlagSpec& flag : spec.outputFlags) {
        if (flag.name == name) {
            return &flag;
        }
    }
    return nullptr;
}

// At most one output replaces the copied text (--json or a switch such as --csv); switches
// that add to the copied text go with neither of those (JSON carries their figures anyway).
void CheckOutputs(const Request& request) {
    const framework::OutputFlagSpec* replacing = nullptr;
    const framework::OutputFlagSpec* adding = nullptr;
    for (const framework::OutputFlagSpec* flag : request.flags) {
        const framework::OutputFlagSpec*& slot = flag->replacesText ? replacing : adding;
        if (flag->replacesText && replacing != nullptr && replacing != flag) {
            throw BadArguments{"--" + std::string(replacing->name) + " and --" +
                               std::string(flag->name) + " cannot be combined"};
        }
        slot = flag;
    }
    if (replacing != nullptr && request.json) {
        throw BadArguments{"--json and --" + std::string(replacing->name) + " cannot be combined"};
    }
    if (replacing != nullptr && adding != nullptr) {
        throw BadArguments{"--" + std::string(adding->name) + " and --" +
                           std::string(replacing->name) + " cannot be combined"};
    }
}

constexpr std::string_view kUsage =
    "usage: quarvex-calc --list | STEM --fields | STEM [NAME=VALUE ...] [--json] [--settings] "
    "[--today=YYYY-MM-DD] [--load FILE] [--save FILE] [--pdf FILE]";

constexpr std::string_view kHelp =
    "  --list            the calculators: stem, tab, name\n"
    "  STEM --fields     a calculator's fields, arguments and switches\n"
    "  NAME=VALUE        a field's value: a number within the field's mask, a list entry by\n"
    "                    its text or index, a date as YYYY-MM-DD; given in order, linked\n"
    "                    fields follow as in the window\n"
    "  --json            every field at full precision, as JSON\n"
    "  --settings        start from what the desktop program opens with (read only)\n"
    "  --today=DATE      the date taken as today\n"
    "  --load FILE       start from a calculator data file (.npv, .irr, ...)\n"
    "  --save FILE       after the calculation, write the calculator's data file\n"
    "  --pdf FILE        after the calculation, write its printout as a PDF\n"
    "  db accounts | db loans ACCOUNTNO\n"
    "                    the schedule database; amort takes --save ACCOUNTNO and\n"
    "                    --load LOANNO for it\n"
    "Exit codes: 0 solved, 1 the calculator refused or computed nothing, 2 bad arguments.\n";

bool TakeFile(const std::vector<std::string>& arguments, std::size_t& i, FileOptions& files) {
    try {
        return TakeFileOption(arguments, i, files);
    } catch (const framework::EBadArgument& bad) {
        throw BadArguments{bad.Message()};
    }
}

Request ReadRequest(const std::vector<std::string>& arguments) {
    Request request;
    if (arguments.empty()) {
        throw BadArguments{std::string(kUsage)};
    }
    request.calculator = calculators::FindCalculator(arguments.front());
    if (request.calculator == nullptr) {
        throw BadArguments{"no calculator '" + arguments.front() + "' (quarvex-calc --list)"};
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--fields") {
            request.listFields = true;
        } else if (argument == "--json") {
            request.json = true;
        } else if (argument == "--settings") {
            request.settings = true;
        } else if (TakeFile(arguments, i, request.files)) {
            continue;
        } else if (argument.rfind("--today=", 0) == 0) {
            const auto day = dates::ParseIsoDate(std::string_view(argument).substr(8));
            if (day == dates::kNoDate) {
                throw BadArguments{"--today takes a date as YYYY-MM-DD, not '" +
                                   argument.substr(8) + "'"};
            }
            request.today = day;
        } else if (const auto equals = argument.find('=');
                   equals != std::string::npos && equals > 0 && argument.rfind("--", 0) != 0) {
            request.assignments.emplace_back(argument.substr(0, equals),
                                             argument.substr(equals + 1));
        } else if (const auto* flag = FindFlag(request.calculator->Spec(), argument)) {
            if (std::find(request.flags.begin(), request.flags.end(), flag) ==
                request.flags.end()) {
                request.flags.push_back(flag);
            }
        } else {
            throw BadArguments{"unknown argument '" + argument + "'"};
        }
    }
    CheckOutputs(request);
    return request;
}

void ListCalculators(std::ostream& out) {
    for (const CalculatorEntry& entry : calculators::Calculators()) {
        out << entry.Spec().stem << '\t' << entry.Spec().name << '\n';
    }
}

void ListFields(const framework::CalcBuffer& buffer, std::ostream& out) {
    const framework::CalculatorSpec& spec = buffer.Spec();
    for (const FieldSpec& field : spec.fields) {
        out << field.Name() << '\t' << field.prompt << '\t' << TypeName(field.type)
            << (field.IsResult() ? " result" : "") << '\t'
            << DescribeValue(field, field.publisherValue) << '\t';
        for (std::size_t i = 0; i < field.list.size(); ++i) {
            out << (i == 0 ? "" : "|") << field.list[i];
        }
        out << '\n';
    }
    for (const std::string& extra : buffer.ArgumentHelp()) {
        out << extra << '\n';
    }
    for (const framework::OutputFlagSpec& flag : spec.outputFlags) {
        out << "--" << flag.name << '\t' << flag.help << '\n';
    }
}

// What the run prints: the copied text with the texts of the adding switches after it, the
// text of a replacing switch, or the JSON.
std::string OutputText(const Request& request, const framework::CalcBuffer& buffer) {
    if (request.json) {
        return JsonFields(buffer);
    }
    for (const framework::OutputFlagSpec* flag : request.flags) {
        if (flag->replacesText) {
            return AsLines(buffer.OutputFlagText(flag->name));
        }
    }
    std::string text = buffer.CommandLineText();
    for (const framework::OutputFlagSpec* flag : request.flags) {
        text += buffer.OutputFlagText(flag->name);
    }
    return AsLines(text);
}

// Everything a buffer needs, for one run of the command line.
struct CliContext {
    CliContext(std::ostream& err, std::unique_ptr<framework::RegIni> storeIn,
               std::unique_ptr<Clock> clockIn, std::unique_ptr<Printing> printingIn)
        : messages(err),
          printing(printingIn ? std::move(printingIn) : std::make_unique<NoPrinting>()),
          store(std::move(storeIn)),
          clock(std::move(clockIn)), context{*store, messages,    clipboard, *printing,
                                             *clock, conventions, font,      application} {}

    StreamMessages messages;
    NoClipboard clipboard;
    std::unique_ptr<Printing> printing;
    std::unique_ptr<framework::RegIni> store;
    std::unique_ptr<Clock> clock;
    masks::NumberConventions conventions;
    report::ReportFont font;
    framework::ApplicationValues application;
    framework::BufferContext context;
};

std::unique_ptr<framework::RegIni> OpenStore(bool settings,
                                             const framework::EnvironmentLookup& environment) {
    framework::RegIniOptions options;
    options.readOnly = true;
    // Without --settings nothing is read either: an empty store with no file.
    return std::make_unique<framework::RegIni>(
        settings ? framework::SettingsFilePath(environment) : std::filesystem::path(), options);
}

std::unique_ptr<Printing> OpenPdfPrinting(const Request& request, const PdfPrintingFactory& pdf) {
    if (!request.files.pdf) {
        return nullptr;
    }
    if (!pdf) {
        throw BadArguments{"this program cannot write PDF files"};
    }
    return pdf(*request.files.pdf);
}

// Tells which stored values the calculator could not use: the run goes on without them.
void ReportIgnoredStoredValues(const framework::CalcBuffer& buffer, std::ostream& err) {
    for (const framework::IgnoredStoredValue& ignored : buffer.IgnoredStoredValues()) {
        err << "quarvex-calc: ignored the stored value \"" << ignored.name << "\" of "
            << buffer.Spec().name << ": " << ignored.reason << '\n';
    }
}

// The desktop program's data folder, where it keeps the part of a last entry kept in files.
void UseDesktopDataFolder(framework::ApplicationValues& application,
                          const framework::EnvironmentLookup& environment) {
    try {
        application.SetDefaultDataFolder(
            framework::FindDefaultDataFolder(environment, std::filesystem::current_path()));
    } catch (const Exception&) {
        // No home folder, so no per-user data folder: the calculators that keep part of
        // their last entry there open without it, as on a first start.
    }
}

// After the calculation: the data file the window's Save writes, the printout its Print
// prints (through the PDF service the context was given).
void WriteFiles(const FileOptions& files, const framework::CalcBuffer& buffer) {
    if (files.save) {
        buffer.WriteDataFile(files.save->string());
    }
    if (files.pdf) {
        buffer.Print();
    }
}

void CheckFiles(const framework::CalcBuffer& buffer, const FileOptions& files) {
    try {
        CheckFileOptions(buffer, files);
    } catch (const framework::EBadArgument& bad) {
        throw BadArguments{bad.Message()};
    }
}

int Calculate(const Request& request, std::ostream& out, std::ostream& err,
              const framework::EnvironmentLookup& environment, const PdfPrintingFactory& pdf,
              CalculationExtension* extension) {
    std::unique_ptr<Clock> clock;
    if (request.today) {
        clock = std::make_unique<dates::FixedClock>(*request.today);
    } else {
        clock = std::make_unique<dates::SystemClock>();
    }
    CliContext cli(err, OpenStore(request.settings, environment), std::move(clock),
                   OpenPdfPrinting(request, pdf));
    if (request.settings) {
        UseDesktopDataFolder(cli.application, environment);
    }
    if (const auto notice = cli.store->TakeRecoveryNotice()) {
        err << AsLines(*notice) << '\n';
    }
    auto buffer = request.calculator->create(cli.context);
    if (request.listFields) {
        ListFields(*buffer, out);
        return kExitSolved;
    }
    CheckFiles(*buffer, request.files);
    buffer->SetTitle(std::string(request.calculator->Spec().name));
    buffer->InitData();
    if (request.settings) {
        buffer->LoadOptions();
        buffer->UseOpeningValues();
        ReportIgnoredStoredValues(*buffer, err);
    }
    if (request.files.load && !LoadDataFile(*buffer, *request.files.load, err)) {
        return kExitCalculationError;
    }
    for (const auto& [name, value] : request.assignments) {
        Apply(*buffer, name, value);
    }
    if (extension == nullptr || !extension->Calculate(*buffer)) {
        buffer->Calculate();
    }
    WriteFiles(request.files, *buffer);
    if (extension != nullptr && extension->Print(*buffer, out)) {
        return kExitSolved;
    }
    std::string text = OutputText(request, *buffer);
    if (!text.empty() && text.back() != '\n') {
        text += '\n'; // a copied text may end inside its last line; a terminal's should not
    }
    out << text;
    return kExitSolved;
}

} // namespace

int RunQuarvexCalc(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const framework::EnvironmentLookup& environment, const PdfPrintingFactory& pdf) {
    try {
        if (arguments.size() == 1 && arguments.front() == "--help") {
            out << kUsage << '\n' << kHelp;
            return kExitSolved;
        }
        if (arguments.size() == 1 && arguments.front() == "--list") {
            ListCalculators(out);
            return kExitSolved;
        }
        if (const auto code = RunDatabaseCommand(arguments, out, err, environment)) {
            return *code;
        }
        std::vector<std::string> rest = arguments;
        const auto extension = TakeDatabaseArguments(rest, environment);
        const Request request = ReadRequest(rest);
        return Calculate(request, out, err, environment, pdf, extension.get());
    } catch (const BadArguments& bad) {
        err << "quarvex-calc: " << bad.message << '\n';
        return kExitBadArguments;
    } catch (const EDatabaseArguments& bad) {
        err << "quarvex-calc: " << bad.Message() << '\n';
        return kExitBadArguments;
    } catch (const std::exception& error) {
        err << AsLines(framework::ErrorText(error)) << '\n';
        return kExitCalculationError;
    }
}

} // namespace quarvex::cli
