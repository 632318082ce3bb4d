#include "cli/DatabaseCommand.h"

#include "amortization/calculator/TcbAmort.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"
#include "amortization/database/TAmortDatabase.h"
#include "cli/CalcCommand.h"
#include "cli/CliServices.h"
#include "cli/SavedLoans.h"
#include "framework/buffer/ErrorText.h"
#include "framework/dates/DateText.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "framework/store/RegKeyPath.h"
#include "framework/store/StorePaths.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace quarvex::cli {

namespace {

namespace database = amortization::database;

constexpr std::string_view kDatabaseUsage =
    "usage: quarvex-calc db accounts | db loans ACCOUNTNO | amort ... --save ACCOUNTNO | "
    "amort --load LOANNO";

using framework::SameName; // names match in any case, as stored value names do

std::string Money(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The shortest text that reads back as the same number ("7.125", "10").
std::string Shortest(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

amortization::TcbAmort& AmortBuffer(framework::CalcBuffer& buffer) {
    auto* amort = dynamic_cast<amortization::TcbAmort*>(&buffer);
    if (amort == nullptr) {
        throw EDatabaseArguments("--save and --load work with the amortization calculator only");
    }
    return *amort;
}

void ListAccounts(database::TAmortDatabase& db, std::ostream& out) {
    for (const database::TAccountRec& account : db.AllAccounts()) {
        out << account.AccountNo << '\t' << account.FirstName << '\t' << account.LastName << '\t'
            << account.Business << '\t' << account.City << '\t' << account.State << '\n';
    }
}

void ListLoans(database::TAmortDatabase& db, const std::string& accountNo, std::ostream& out) {
    if (!db.FindAccount(accountNo)) {
        database::RaiseAccountNotFound(database::TrimmedKey(accountNo));
    }
    for (const database::LinkedLoan& loan : db.LinksOf(accountNo)) {
        out << loan.LoanNo;
        if (loan.LoanFound) {
            out << '\t' << Money(loan.Principal) << '\t' << dates::FormatIsoDate(loan.OrigDate)
                << '\t' << dates::FormatIsoDate(loan.FirstPmtDt) << '\t' << loan.NumPmts << '\t'
                << Shortest(loan.Rate) << '\t' << Money(loan.Pmt);
        } else {
            out << "\t\t\t\t\t\t"; // the link's loan record is missing
        }
        out << '\n';
    }
}

// --save ACCOUNTNO: after Calc, the loan and its rows under a new number.
class SaveToDatabase : public CalculationExtension {
public:
    SaveToDatabase(std::filesystem::path folder, std::string accountNo)
        : folder_(std::move(folder)), accountNo_(database::TrimmedKey(accountNo)) {}

    bool Calculate(framework::CalcBuffer&) override { return false; }

    bool Print(framework::CalcBuffer& buffer, std::ostream& out) override {
        amortization::TcbAmort& amort = AmortBuffer(buffer);
        database::TAmortDatabase db(folder_);
        if (!db.FindAccount(accountNo_)) {
            database::TAccountRec account;
            account.AccountNo = accountNo_;
            try {
                db.AddAccount(account);
            } catch (const database::EAmortDB& error) {
                if (error.Code() != database::kAccountNoInUse) {
                    throw; // another program added it meanwhile: it is there now
                }
            }
        }
        out << db.SaveNewLoan(accountNo_, LoanRecOf(amort.LoanTerms(), {}), amort.Schedule())
            << '\n';
        return true;
    }

private:
    std::filesystem::path folder_;
    std::string accountNo_;
};

// --load LOANNO: the stored loan and its rows in place of Calc, recalculated.
class LoadFromDatabase : public CalculationExtension {
public:
    LoadFromDatabase(std::filesystem::path folder, std::string loanNo)
        : folder_(std::move(folder)), loanNo_(std::move(loanNo)) {}

    bool Calculate(framework::CalcBuffer& buffer) override {
        amortization::TcbAmort& amort = AmortBuffer(buffer);
        database::LoadedLoan loaded = database::TAmortDatabase(folder_).LoadLoan(loanNo_);
        amort.LoadSavedLoan(LoanTermsOf(loaded.loan), std::move(loaded.schedule));
        return true;
    }

    bool Print(framework::CalcBuffer&, std::ostream&) override { return false; }

private:
    std::filesystem::path folder_;
    std::string loanNo_;
};

} // namespace

std::filesystem::path DatabaseFolder(const framework::EnvironmentLookup& environment) {
    if (const auto folder = environment("QUARVEX_DATA_DIR"); folder && !folder->empty()) {
        return *folder;
    }
    framework::RegIniOptions options;
    options.readOnly = true;
    framework::RegIni store(framework::SettingsFilePath(environment), options);
    framework::ApplicationValues values;
    values.LoadAtStartup(store, environment, std::filesystem::current_path());
    return values.DataPath();
}

std::optional<int> RunDatabaseCommand(const std::vector<std::string>& arguments, std::ostream& out,
                                      std::ostream& err,
                                      const framework::EnvironmentLookup& environment) {
    if (arguments.empty() || !SameName(arguments.front(), "db")) {
        return std::nullopt;
    }
    const bool accounts = arguments.size() == 2 && arguments[1] == "accounts";
    const bool loans = arguments.size() == 3 && arguments[1] == "loans";
    if (!accounts && !loans) {
        err << "quarvex-calc: " << kDatabaseUsage << '\n';
        return kExitBadArguments;
    }
    try {
        database::TAmortDatabase db(DatabaseFolder(environment));
        if (accounts) {
            ListAccounts(db, out);
        } else {
            ListLoans(db, arguments[2], out);
        }
        return kExitSolved;
    } catch (const std::exception& error) {
        err << AsLines(framework::ErrorText(error)) << '\n';
        return kExitCalculationError;
    }
}

std::unique_ptr<CalculationExtension>
TakeDatabaseArguments(std::vector<std::string>& arguments,
                      const framework::EnvironmentLookup& environment) {
    // The amortization calculator keeps its loans in the database; every other calculator's
    // --save and --load name its data files.
    if (arguments.empty() || !SameName(arguments.front(), "amort")) {
        return nullptr;
    }
    std::optional<std::pair<std::string, std::string>> taken;
    for (std::size_t i = 1; i < arguments.size();) {
        const std::string& argument = arguments[i];
        if (argument != "--save" && argument != "--load") {
            ++i;
            continue;
        }
        if (taken) {
            throw EDatabaseArguments(taken->first == argument
                                         ? argument + " is given twice"
                                         : std::string("--save and --load cannot be combined"));
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].rfind("--", 0) == 0 ||
            database::TrimmedKey(arguments[i + 1]).empty()) {
            throw EDatabaseArguments(argument == "--save" ? "--save takes an account number"
                                                          : "--load takes a loan number");
        }
        taken.emplace(argument, arguments[i + 1]);
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    if (!taken) {
        return nullptr;
    }
    if (taken->first == "--save") {
        return std::make_unique<SaveToDatabase>(DatabaseFolder(environment), taken->second);
    }
    return std::make_unique<LoadFromDatabase>(DatabaseFolder(environment), taken->second);
}

} // namespace quarvex::cli
