#pragma once

#include <span>
#include <string_view>

namespace quarvex::shell {

// The six group boxes of the main window, top to bottom and left to right.
enum class LauncherGroup { Finance, Depreciation, Loan, Schedules, General, Advisors };

inline constexpr int kLauncherGroupCount = 6;

// One calculator the main window offers: its button, its menu item and its window. The button
// caption keeps its leading blanks (they make room beside the button's picture); the hint uses
// '\r' as its line break.
struct LauncherEntry {
    LauncherGroup group;
    std::string_view buttonCaption;
    std::string_view menu;        // the menu bar's menu: "&Calculators", "Sched&ules", "A&dvisors"
    std::string_view submenu;     // below "&Calculators" only; empty otherwise
    std::string_view menuItem;    // "&Loan"
    std::string_view windowClass; // "TcalcLoan"
    std::string_view calculatorName; // the calculator's stored key and window caption
    std::string_view buttonName;     // "btnLoan"
    std::string_view hint;
    std::string_view stem; // the calculator's short name in the catalog: "loan"
};

inline constexpr std::size_t kLauncherEntryCount = 33;

inline constexpr std::string_view kCalculatorsMenu = "&Calculators";
inline constexpr std::string_view kSchedulesMenu = "Sched&ules";
inline constexpr std::string_view kAdvisorsMenu = "A&dvisors";

// The submenus of "&Calculators", in the order the menu shows them.
inline constexpr std::string_view kDepreciationSubmenu = "Depreciation Calculators";
inline constexpr std::string_view kFinanceSubmenu = "Finance Calculators";
inline constexpr std::string_view kGeneralSubmenu = "General Purpose Calculators";
inline constexpr std::string_view kLoanSubmenu = "Loan Calculators";
std::span<const std::string_view> CalculatorSubmenus();

// The hint of the button and menu item of a calculator that is not built yet.
inline constexpr std::string_view kNotAvailableHint = "Not available yet";

// Every calculator of the main window, group by group in button order.
std::span<const LauncherEntry, kLauncherEntryCount> LauncherEntries();

// The caption of a group box (" Finance ", ...).
std::string_view GroupCaption(LauncherGroup group);

// The entry of a catalog stem or of a window class; null if none.
const LauncherEntry* FindLauncherEntry(std::string_view stem);
const LauncherEntry* FindLauncherEntryByClass(std::string_view windowClass);

// Whether the calculator is built: its stem is in the catalog. The others are shown disabled.
bool IsAvailable(const LauncherEntry& entry);

// The hint a button shows: its own when the calculator is built, kNotAvailableHint otherwise.
std::string_view ButtonHint(const LauncherEntry& entry);

} // namespace quarvex::shell
