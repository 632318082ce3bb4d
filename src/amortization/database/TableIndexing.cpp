#include "amortization/database/TableIndexing.h"

#include "amortization/database/AmortTables.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace quarvex::amortization::database {

namespace {

struct IndexedTable {
    std::string_view file;
    const dbase::TableSchema& (*schema)();
};

constexpr std::array<IndexedTable, 4> kIndexedTables = {{{kAccountsFile, AccountsSchema},
                                                         {kLoansFile, LoansSchema},
                                                         {kLinksFile, LinksSchema},
                                                         {kRowsFile, RowsSchema}}};

int Percent(std::uint64_t done, std::uint64_t total) {
    if (total == 0) {
        return 100;
    }
    return static_cast<int>(std::min<std::uint64_t>(done, total) * 100 / total);
}

// Passes the values of the bar on, each once.
class Bar {
public:
    explicit Bar(const IndexingProgress& progress) : progress_(progress) {}
    void Show(int shown) {
        if (progress_ && shown != last_) {
            last_ = shown;
            progress_(shown, IndexingStatusText(shown));
        }
    }

private:
    const IndexingProgress& progress_;
    std::optional<int> last_;
};

// The tags of one table are built in one pass over its records; the pass is shown as the
// table's tag steps one after the other, each from its base to its base + 16.
class TagSteps {
public:
    TagSteps(Bar& bar, std::vector<int> bases) : bar_(bar), bases_(std::move(bases)) {}

    void Report(std::uint64_t done, std::uint64_t total) {
        const int steps = static_cast<int>(bases_.size());
        const int scaled = Percent(done, total) * steps; // 0 to 100 * steps
        const int step = std::min(scaled / 100, steps - 1);
        while (current_ < step) {
            bar_.Show(ShownProgress(bases_[current_], 100));
            ++current_;
            bar_.Show(ShownProgress(bases_[current_], 0));
        }
        bar_.Show(ShownProgress(bases_[current_], scaled - 100 * step));
    }

private:
    Bar& bar_;
    std::vector<int> bases_;
    int current_ = 0;
};

std::filesystem::path FolderOrCurrent(const std::filesystem::path& folder) {
    return folder.empty() ? std::filesystem::path(".") : folder;
}

} // namespace

const std::array<IndexingStep, 10>& CreateTagSteps() {
    static const std::array<IndexingStep, 10> steps = {{{kAccountsFile, kAccountNoTag, 0},
                                                        {kAccountsFile, kLastNameTag, 14},
                                                        {kAccountsFile, kFirstNameTag, 28},
                                                        {kAccountsFile, kSSNumberTag, 28},
                                                        {kAccountsFile, kCityTag, 28},
                                                        {kAccountsFile, kStateTag, 28},
                                                        {kLoansFile, kLoanNoTag, 42},
                                                        {kLinksFile, kAccountNoTag, 56},
                                                        {kLinksFile, kLoanNoTag, 70},
                                                        {kRowsFile, kLoanNoTag, 84}}};
    return steps;
}

const std::array<PackStep, 4>& PackSteps() {
    static const std::array<PackStep, 4> steps = {
        {{kAccountsFile, 28}, {kLoansFile, 42}, {kLinksFile, 70}, {kRowsFile, 84}}};
    return steps;
}

std::string IndexingStatusText(int shown) {
    char text[64];
    std::snprintf(text, sizeof text, "Program setup. Creating indicies. %d%% complete.", shown);
    return text;
}

void IndexAmortTables(const std::filesystem::path& dataFolder, IndexingMode mode,
                      const IndexingProgress& progress, dbase::DatabaseOptions options) {
    dbase::Database database(FolderOrCurrent(dataFolder), std::move(options));
    Bar bar(progress);
    for (std::size_t index = 0; index < kIndexedTables.size(); ++index) {
        const IndexedTable& entry = kIndexedTables[index];
        dbase::Table& table = database.Open(entry.file, entry.schema(), dbase::OpenMode::Exclusive);
        if (mode == IndexingMode::Pack) {
            const int base = PackSteps()[index].progressBase;
            table.Pack([&](std::uint64_t done, std::uint64_t total) {
                bar.Show(ShownProgress(base, Percent(done, total)));
            });
            bar.Show(ShownProgress(base, 100));
        } else {
            std::vector<int> bases;
            for (const IndexingStep& step : CreateTagSteps()) {
                if (step.table == entry.file) {
                    bases.push_back(step.progressBase);
                }
            }
            TagSteps steps(bar, std::move(bases));
            table.Reindex(
                [&](std::uint64_t done, std::uint64_t total) { steps.Report(done, total); });
            steps.Report(1, 1);
        }
        database.Close(table);
    }
}

} // namespace quarvex::amortization::database
