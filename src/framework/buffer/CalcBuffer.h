#pragma once

#include "framework/buffer/BufferContext.h"
#include "framework/buffer/CalculatorSpec.h"
#include "framework/buffer/DataRecord.h"
#include "framework/buffer/OptionsRecord.h"
#include "framework/buffer/OutputValue.h"
#include "platform/Exception.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::framework {

// A command-line argument a calculator cannot use; the message says why.
class EBadArgument : public Exception {
public:
    using Exception::Exception;
};

// A calculation that computes nothing because an input is missing ("Enter a future value."):
// the window shows the text as information, the command line fails with it.
class ECalculationDeclined : public Exception {
public:
    using Exception::Exception;
};

// A value of the settings store that was read but could not be used, and why.
struct IgnoredStoredValue {
    std::string name;   // the stored value's name: a prompt, or "Default" and a prompt
    std::string reason; // "99999 is not a whole number from -32768 to 32767"
};

// The calculation buffer every calculator is built on: it owns the data record and the options
// record, keeps them in the settings store under the calculator's key, applies the defaults
// levels, and produces the copied and printed results from the field table. A calculator adds
// its Calculate (and whatever is really its own).

class CalcBuffer {
public:
    CalcBuffer(const CalculatorSpec& spec, BufferContext& context);
    virtual ~CalcBuffer() = default;
    CalcBuffer(const CalcBuffer&) = delete;
    CalcBuffer& operator=(const CalcBuffer&) = delete;

    const CalculatorSpec& Spec() const { return spec_; }
    BufferContext& Context() const { return context_; }
    DataRecord& Data() { return data_; }
    const DataRecord& Data() const { return data_; }
    OptionsRecord& Options() { return options_; }
    const OptionsRecord& Options() const { return options_; }

    // Prompts and publisher's values; forgets the stored values ignored so far.
    virtual void InitData();
    // Initial local defaults; "Last entered calculation" and "Publisher's" selected.
    void InitOptions();
    // Computes from the data record and copies the results back; errors propagate and leave
    // the record as it was (ECalculationDeclined when an input the calculation needs is
    // missing).
    virtual void Calculate() = 0;

    // The last entered calculation under the prompts of the calculator's key. LoadLast is
    // false when a calculator keeps part of it elsewhere and that part is missing; the
    // calculator then opens on its local defaults (and still keeps its last entry on closing).
    virtual void SaveLast() const;
    virtual bool LoadLast();
    // The local defaults under "Default" + prompt, and the five flags.
    void SaveOptions() const;
    void LoadOptions();
    virtual void UseLocalDefaults();
    virtual void UseGlobalDefaults();
    // The values a calculator opens with when no other window of it has calculated: the last
    // entered calculation, or the defaults level the options choose; the publisher's values
    // stay otherwise.
    void UseOpeningValues();
    // The stored values LoadLast and LoadOptions read but left aside (of another kind, beyond
    // the field's type or list) since InitData, for the user to be told.
    const std::vector<IgnoredStoredValue>& IgnoredStoredValues() const { return ignored_; }

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }

    // A field of the window's form changed: calculators whose fields are linked (a number of
    // days and two dates) bring the others in line here. Nothing by default.
    virtual void FormFieldChanged(DataRecord& form, std::size_t field) const;

    // Command-line arguments that are not a field of the table (a list of cash flows): true when
    // the calculator took it; raises EBadArgument for a value it cannot use.
    virtual bool TakeArgument(std::string_view name, std::string_view value);
    // One line per such argument for the --fields listing: name, tab, what it holds.
    virtual std::vector<std::string> ArgumentHelp() const { return {}; }

    // The text of one of the output switches the calculator's table declares (outputFlags),
    // after a calculation ("\r\n" line ends, as copied). Empty by default.
    virtual std::string OutputFlagText(std::string_view flag) const;
    // Results beyond the fields for the command line's JSON, after a calculation: each member
    // joins the JSON object after the fields. None by default.
    virtual OutputMembers JsonMembers() const { return {}; }

    // Calculators that save and load their inputs as files name the kind of file here.
    struct FileKind {
        std::string saveDescription; // save dialog filter: "Net Present (*.npv)"
        std::string openDescription; // open dialog: "Net Present Value (*.npv)"
        std::string extension;       // "npv"
    };
    virtual std::optional<FileKind> DataFile() const { return std::nullopt; }
    // Writes the inputs to a file (atomically); raises on failure.
    virtual void WriteDataFile(const std::string& path) const;
    // Reads a file written by WriteDataFile into the record; false (after telling the user)
    // when the file is not one of the calculator's, and then nothing changes.
    virtual bool ReadDataFile(const std::string& path);

    // The value of one of the calculator's own options (see LocalDefaultSpec::IsOption).
    bool OptionIsSet(std::size_t localDefault) const;

    // The field of the data record that the last calculation solved, for the marker beside it;
    // -1 when the calculator does not solve for one of its inputs.
    virtual int SolvedField() const { return -1; }

    // Title, two line breaks, then one formatted row per output row ("\r\n" line ends).
    virtual std::string CopyText() const;
    // The results as the command line prints them: the copied text, with what a calculator's
    // copy leaves out but its window shows (a solved input) added by the calculator.
    virtual std::string CommandLineText() const { return CopyText(); }
    void CopyToClipboard() const;
    // The printed rows of the one-page result printout ('\t'-separated).
    virtual std::vector<std::string> PrintRows() const;
    // Runs the print job of the one-page result printout; false when cancelled.
    virtual bool Print() const;

    // The key of this calculator below the user root: "Software\...\Quarvex!\Loan Calculator".
    std::string StoreKey() const;

protected:
    // The value a row shows, as a Format argument (list text for choices, a date as text).
    virtual std::string FormatRow(const OutputRow& row, bool forPrint) const;
    // Reads one stored value into `into` (left as it is when absent or unusable), noting an
    // unusable one in IgnoredStoredValues.
    void ReadStored(std::string_view name, FieldType type, ListItems list, FieldValue& into);

private:
    const CalculatorSpec& spec_;
    BufferContext& context_;
    DataRecord data_;
    OptionsRecord options_;
    std::string title_;
    std::vector<IgnoredStoredValue> ignored_;
};

} // namespace quarvex::framework
