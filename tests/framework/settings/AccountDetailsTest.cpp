#include "framework/settings/TcbAcntInfo.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

std::size_t RowNumber(std::string_view control) {
    const auto& rows = AccountInfoRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].control == control) {
            return i;
        }
    }
    throw std::out_of_range(std::string(control));
}

TEST(AccountInformation, CaptionsInTheirOrder) {
    TcbAcntInfo buffer{TAccountDetails{}};
    const std::array<std::string, 13> expected = {
        "&First Name:", "&Business:", "&Address1:", "A&ddress2:",  "Ci&ty:", "P&hone1:", "&State:",
        "&Zip:",        "&Country",   "&MI",        "&Last Name:", "E&xt:",  "Ph&one2:"};
    EXPECT_EQ(buffer.Captions(), expected);
    EXPECT_EQ(AccountInfoRows()[12].label, "lPhone2");
}

struct EntryCase {
    const char* control;
    std::string typed;
    std::string kept;
};

TEST(AccountInformation, EntryRules) {
    const std::vector<EntryCase> cases = {
        {"oedZip", "12a-345", "12345"},
        {"oedZip", "123456789012", "1234567890"},
        {"oedState", "ny", "NY"},
        {"oedState", "new york", "NE"},
        {"oedPhone1", "5551234567", "555-123-4567"},
        {"oedPhone2", "(555) 123 4567 ext 9", "555-123-4567"},
        {"oedPhone1", "5551", "555-1"},
        {"oedExtn", "123456", "1234"},
        {"oedFName", std::string(30, 'a'), std::string(25, 'a')},
        {"oedInitial", "JQ", "J"},
        {"oedBusiness", std::string(39, 'b') + "éé", std::string(39, 'b') + "é"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyEntryRule(AccountInfoRows()[RowNumber(c.control)], c.typed), c.kept)
            << c.control << " typed \"" << c.typed << "\"";
    }
}

TEST(AccountInformation, OkWithoutAFirstNameIsRefusedAndChangesNothing) {
    TAccountDetails details;
    details.lastName = "Earlier";
    for (const char* firstName : {"", "   "}) {
        TcbAcntInfo buffer(details);
        buffer.SetValue(RowNumber("oedFName"), firstName);
        buffer.SetValue(RowNumber("oedLName"), "Doe");
        EXPECT_EQ(buffer.AcceptInto(details), "First Name is Required");
        EXPECT_EQ(details.lastName, "Earlier");
    }
}

TEST(AccountInformation, OkCopiesEveryRowAndKeepsTheAccountNumber) {
    TAccountDetails details;
    details.accountNo = "A-1001";
    details.phoneExt = "1234567890"; // longer than the dialog takes
    TcbAcntInfo buffer(details);
    EXPECT_EQ(buffer.Values()[RowNumber("oedExtn")], "1234");
    buffer.SetValue(RowNumber("oedFName"), "Jane");
    buffer.SetValue(RowNumber("oedState"), "ca");
    buffer.SetValue(RowNumber("oedPhone1"), "555.867.5309");
    EXPECT_EQ(buffer.AcceptInto(details), std::nullopt);
    EXPECT_EQ(details.accountNo, "A-1001");
    EXPECT_EQ(details.firstName, "Jane");
    EXPECT_EQ(details.state, "CA");
    EXPECT_EQ(details.phone1, "555-867-5309");
    EXPECT_EQ(details.phoneExt, "1234");
}

} // namespace
} // namespace quarvex::framework
