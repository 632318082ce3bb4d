#pragma once

#include "engine/cashflow/CashFlowLists.h"
#include "framework/buffer/CalcBuffer.h"
#include "framework/codec/RecordReader.h"
#include "framework/codec/RecordWriter.h"

#include <optional>
#include <vector>

namespace quarvex::calculators {

// What the net present value and IRR calculators share: an initial outflow on a start date,
// then periodic cash flows one payment period apart, typed into a grid. The flows are the
// record's series (records 1 to NumPmts; the last is not shown and stays 0); they are kept in
// the calculator's files and in its last-entry file, the scalars in the settings store.
class TcbCashFlows : public framework::CalcBuffer {
public:
    // The most periods a calculation takes (the initial amount counts as one).
    static constexpr int kMaxPeriods = 1200;
    // A count below 2 becomes this.
    static constexpr int kDefaultPeriods = 48;

    // The fields the shared machinery reads, by their index in the calculator's table.
    struct Layout {
        std::size_t pv;
        std::size_t numPmts;
        std::size_t startDate;
        std::size_t period;
        std::size_t result;
        std::size_t warnOption;  // local option "Don't show the warning message"
        std::size_t exactOption; // local option "Use exact day calculation method"
        std::string_view extension;
        std::size_t headerSize;
        std::string_view saveDescription;
        std::string_view openDescription;
        std::string_view recordCopyValue;  // "%16.2m" or "%16.2f"
        std::string_view resultCopyFormat; // "\r\n%-24s %16.2m\r\n"
        std::string_view resultPrintFormat;
        bool twoDigitYearLabels; // grid labels "mm/dd/yy"
    };

    // The initial amount is an outflow; a new count starts empty amounts, a new date or period
    // re-dates the flows and keeps their amounts; a count below 2 becomes 48 and one above the
    // limit is held at the limit.
    void FormFieldChanged(framework::DataRecord& form, std::size_t field) const override;
    // Gives `record` NumPmts flows dated from its start date, keeping the amounts that exist
    // when `keepAmounts`.
    void RebuildSeries(framework::DataRecord& record, bool keepAmounts) const;
    // The label of a flow in the grid and the copied text.
    std::string FlowLabel(std::int32_t date) const;

    bool WarningSwitchedOff() const { return OptionIsSet(layout_.warnOption); }
    bool ExactDays() const { return OptionIsSet(layout_.exactOption); }

    // Flows=PV,a1,a2,... (the first is the initial amount); Dates=d0,d1,... (exact days, one
    // per flow); ExactDays=yes|no.
    bool TakeArgument(std::string_view name, std::string_view value) override;
    std::vector<std::string> ArgumentHelp() const override;

    // The publisher's values with a full grid of empty flows dated from today.
    void InitData() override;
    // The defaults levels re-date the flows when they change the period.
    void UseLocalDefaults() override;
    void UseGlobalDefaults() override;

    void SaveLast() const override;
    bool LoadLast() override;
    std::optional<FileKind> DataFile() const override;
    void WriteDataFile(const std::string& path) const override;
    bool ReadDataFile(const std::string& path) override;

    std::string CopyText() const override;
    bool Print() const override;

    const Layout& Shape() const { return layout_; }

protected:
    TcbCashFlows(const framework::CalculatorSpec& spec, framework::BufferContext& context,
                 const Layout& layout);

    // Checks the count and brings the series in line with the fields before a calculation.
    void PrepareFlows();
    // The engine's lists: the initial amount, then records 1 to NumPmts.
    std::vector<engine::TPeriodicCashFlow> PeriodicFlows() const;
    std::vector<engine::TDatedCashFlow> DatedFlows() const;
    std::uint16_t PeriodsPerYear() const;

    // The calculator's own file header (after the common signature, version and zero bytes).
    virtual void WriteHeaderFields(codec::RecordWriter& writer) const = 0;
    virtual void ReadHeaderFields(codec::RecordReader& reader,
                                  framework::DataRecord& into) const = 0;

private:
    std::vector<std::uint8_t> FileBytes(bool lastEntry) const;
    // Reads a file into a copy of the record; nothing when it is not a file of this kind.
    std::optional<framework::DataRecord> Parse(const std::vector<std::uint8_t>& bytes,
                                               bool lastEntry) const;
    std::string LastEntryPath() const;

    Layout layout_;
    // Dates given on the command line for exact-day mode, one per flow from the initial one.
    std::optional<std::vector<std::int32_t>> givenDates_;
};

} // namespace quarvex::calculators
