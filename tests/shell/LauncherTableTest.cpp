#include "shell/LauncherTable.h"
#include "calculators/Catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quarvex::shell {
namespace {

TEST(LauncherTable, HasTheThirtyThreeCalculatorsGroupByGroup) {
    const auto entries = LauncherEntries();
    ASSERT_EQ(entries.size(), 33u);
    int perGroup[kLauncherGroupCount] = {};
    for (const auto& entry : entries) {
        ++perGroup[static_cast<int>(entry.group)];
    }
    EXPECT_EQ(perGroup[int(LauncherGroup::Finance)], 7);
    EXPECT_EQ(perGroup[int(LauncherGroup::Depreciation)], 4);
    EXPECT_EQ(perGroup[int(LauncherGroup::Loan)], 6);
    EXPECT_EQ(perGroup[int(LauncherGroup::Schedules)], 5);
    EXPECT_EQ(perGroup[int(LauncherGroup::General)], 7);
    EXPECT_EQ(perGroup[int(LauncherGroup::Advisors)], 4);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_LE(entries[i - 1].group, entries[i].group) << "groups stay together: " << i;
    }
}

TEST(LauncherTable, NamesAreUnique) {
    std::set<std::string_view> stems, classes, names, buttons;
    for (const auto& entry : LauncherEntries()) {
        EXPECT_TRUE(stems.insert(entry.stem).second) << entry.stem;
        EXPECT_TRUE(classes.insert(entry.windowClass).second) << entry.windowClass;
        EXPECT_TRUE(names.insert(entry.calculatorName).second) << entry.calculatorName;
        EXPECT_TRUE(buttons.insert(entry.buttonName).second) << entry.buttonName;
        EXPECT_FALSE(entry.hint.empty()) << entry.buttonName;
    }
}

// Captions as the buttons and menus show them, leading and trailing blanks included.
struct CaptionCase {
    std::string_view windowClass;
    std::string_view button;
    std::string_view menu;
    std::string_view submenu;
    std::string_view item;
    std::string_view name;
    std::string_view stem;
};

const CaptionCase kCaptions[] = {
    {"TcalcInterest", "Comp/&Simple Int", "&Calculators", "Finance Calculators",
     "Compound/Simple Interest", "Compound/Simple Interest Calculator", "interest"},
    {"TcalcIRR", "        IRR                 ", "&Calculators", "Finance Calculators",
     "Internal Rate of Return (IRR)", "Internal Rate of Return Calculator", "irr"},
    {"TcalcSLDep", " Straignt Line", "&Calculators", "Depreciation Calculators", "Straight Line",
     "Straight Line Depreciation Calculator", "sldep"},
    {"TcalcBallPmt", " Balloon Payment", "&Calculators", "Loan Calculators", "Ba&llon Payment",
     "Balloon Payment Calculator", "ballpmt"},
    {"TcalcLoan", "       &Loan", "&Calculators", "Loan Calculators", "&Loan", "Loan Calculator",
     "loan"},
    {"TcalcPVSeries", "  P&V of a Series", "Sched&ules", "", "Present Value of a Series",
     "Present Value of a Series", "pvseries"},
    {"TcalcRentalAnalysis", "Rental Inc Analysis", "Sched&ules", "", "Rental Income Analysis",
     "Rental Income Analysis Calculator", "rental"},
    {"TcalcBonds", "Bond Values/Yields", "&Calculators", "General Purpose Calculators",
     "B&ond Value && Yield", "Bond Calculator", "bonds"},
    {"TcalcEOQ", "        EOQ", "&Calculators", "General Purpose Calculators", "&EOQ",
     "Economic Ordering Quantity Calculator", "eoq"},
    {"TadvBreakEven", " Brea&k Even Point", "A&dvisors", "", "Break Even Point",
     "Break Even Advisor", "breakeven"},
    {"TadvRefinance", "      Refinance", "A&dvisors", "", "Refinance", "Refinance Advisor",
     "refinance"},
};

TEST(LauncherTable, CaptionsStandExactlyAsShown) {
    for (const auto& expected : kCaptions) {
        const LauncherEntry* entry = FindLauncherEntryByClass(expected.windowClass);
        ASSERT_NE(entry, nullptr) << expected.windowClass;
        EXPECT_EQ(entry->buttonCaption, expected.button) << expected.windowClass;
        EXPECT_EQ(entry->menu, expected.menu) << expected.windowClass;
        EXPECT_EQ(entry->submenu, expected.submenu) << expected.windowClass;
        EXPECT_EQ(entry->menuItem, expected.item) << expected.windowClass;
        EXPECT_EQ(entry->calculatorName, expected.name) << expected.windowClass;
        EXPECT_EQ(entry->stem, expected.stem) << expected.windowClass;
    }
}

TEST(LauncherTable, HintsKeepTheirLineBreaks) {
    EXPECT_EQ(FindLauncherEntry("interest")->hint, "Exact day interest &\rcalendar math");
    EXPECT_EQ(FindLauncherEntry("loan")->hint, "Solve for any unknown.");
    EXPECT_EQ(FindLauncherEntry("decbal")->hint, FindLauncherEntry("sumofyears")->hint);
    EXPECT_EQ(FindLauncherEntry("leasebuy")->hint, "Is it better to\rlease or buy an asset?");
}

TEST(LauncherTable, GroupCaptions) {
    EXPECT_EQ(GroupCaption(LauncherGroup::Finance), " Finance ");
    EXPECT_EQ(GroupCaption(LauncherGroup::Schedules), " Schedules - Cash Flows");
    EXPECT_EQ(GroupCaption(LauncherGroup::Advisors), " Advisors ");
}

TEST(LauncherTable, OnlyCalculatorsOfTheCatalogAreAvailable) {
    int available = 0;
    for (const auto& entry : LauncherEntries()) {
        const auto* calculator = calculators::FindCalculator(entry.stem);
        EXPECT_EQ(IsAvailable(entry), calculator != nullptr) << entry.stem;
        if (calculator != nullptr) {
            ++available;
            EXPECT_EQ(calculator->Spec().name, entry.calculatorName)
                << "the launcher and the catalog name the same window: " << entry.stem;
            EXPECT_EQ(ButtonHint(entry), entry.hint);
        } else {
            EXPECT_EQ(ButtonHint(entry), "Not available yet") << entry.stem;
        }
    }
    EXPECT_TRUE(IsAvailable(*FindLauncherEntry("loan")));
    // Every calculator of the catalog has its button.
    EXPECT_EQ(available, static_cast<int>(calculators::Calculators().size()));
}

TEST(LauncherTable, SubmenusOfTheCalculatorsMenu) {
    const auto submenus = CalculatorSubmenus();
    ASSERT_EQ(submenus.size(), 4u);
    EXPECT_EQ(submenus[0], "Depreciation Calculators");
    EXPECT_EQ(submenus[3], "Loan Calculators");
    for (const auto& entry : LauncherEntries()) {
        if (entry.menu == kCalculatorsMenu) {
            EXPECT_NE(std::find(submenus.begin(), submenus.end(), entry.submenu), submenus.end())
                << entry.stem;
        } else {
            EXPECT_TRUE(entry.submenu.empty()) << entry.stem;
        }
    }
}

} // namespace
} // namespace quarvex::shell
