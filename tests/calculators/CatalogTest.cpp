#include "calculators/Catalog.h"
#include "framework/buffer/FieldStorage.h"
#include "framework/buffer/ValueConversion.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace quarvex::calculators {
namespace {

// Every calculator's tables hold together: values of their fields' types, list entries that
// exist, targets and rows that name real fields, names the command line can tell apart.
TEST(Catalog, EveryTableIsConsistent) {
    testing::BufferFixture fixture;
    std::set<std::string_view> stems;
    for (const CalculatorEntry& entry : Calculators()) {
        const framework::CalculatorSpec& spec = entry.Spec();
        SCOPED_TRACE(std::string(spec.stem));
        EXPECT_TRUE(stems.insert(spec.stem).second) << "stem used twice";
        EXPECT_EQ(FindCalculator(spec.stem), &entry);
        std::set<std::string> names;
        for (const framework::FieldSpec& field : spec.fields) {
            EXPECT_TRUE(framework::FitsField(field.publisherValue, field.type, field.list))
                << field.control;
            std::string lower(field.Name());
            for (char& c : lower) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            EXPECT_TRUE(names.insert(lower).second) << field.control << " name used twice";
        }
        for (const framework::LocalDefaultSpec& local : spec.localDefaults) {
            EXPECT_TRUE(framework::FitsField(local.initial, local.type, local.list))
                << local.control;
            if (local.IsOption()) {
                continue;
            }
            ASSERT_LT(local.target, spec.fields.size()) << local.control;
            const auto& target = spec.fields[local.target];
            const auto converted = framework::ConvertValue(
                local.convert ? local.convert(local.initial) : local.initial, target.type);
            ASSERT_TRUE(converted.has_value()) << local.control;
            EXPECT_TRUE(framework::FitsField(*converted, target.type, target.list))
                << local.control;
        }
        for (const auto& global : spec.globalDefaults) {
            EXPECT_LT(global.target, spec.fields.size());
        }
        for (const auto& row : spec.rows) {
            EXPECT_LT(row.field, spec.fields.size());
        }
        // A fresh buffer formats its rows without error.
        auto buffer = entry.create(fixture.context);
        buffer->InitData();
        EXPECT_NO_THROW(buffer->CopyText());
        EXPECT_NO_THROW(buffer->PrintRows());
    }
}

} // namespace
} // namespace quarvex::calculators
