#include "calculators/Catalog.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/framework/TcalcBase.h"
#include "ui/framework/UiTestContext.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace quarvex::ui {
namespace {

using framework::Button;

// Every calculator of the catalog opens in a window made from its field table, and its
// buttons run without an error escaping.
TEST(CatalogWindowsTest, EveryCalculatorOpensAndItsButtonsRun) {
    RegisterCalculatorWindows();
    std::deque<framework::CalculatorFamily> families;
    testing::UiTestContext context;
    for (const calculators::CalculatorEntry& entry : calculators::Calculators()) {
        const framework::CalculatorSpec& spec = entry.Spec();
        SCOPED_TRACE(std::string(spec.name));
        framework::CalculatorFamily& family = families.emplace_back(spec);
        auto controller = std::make_unique<framework::CalculatorController>(
            entry.create(context.fixture.context), family, context.fixture.help,
            context.windowOptions);
        CalculatorWindow* window =
            MakeCalculatorWindow(spec.stem, std::move(controller), context.ui);
        context.windows.emplace_back(window);
        window->ShowInstance(*family.FreeSlot());
        EXPECT_EQ(window->windowTitle().toStdString(), std::string(spec.name) + " 1");
        EXPECT_TRUE(context.fixture.messages.shown.empty());

        auto* generated = dynamic_cast<TcalcBase*>(window);
        ASSERT_NE(generated, nullptr);
        for (std::size_t field = 0; field < spec.fields.size(); ++field) {
            EXPECT_NE(generated->Editor(field).Widget(), nullptr) << spec.fields[field].prompt;
        }
        EXPECT_EQ(window->ButtonOf(Button::Save) != nullptr,
                  window->Controller().Buffer().DataFile().has_value());

        for (const Button button : {Button::Calc, Button::Copy, Button::Undo, Button::Reset,
                                    Button::Options, Button::Options}) {
            QTest::mouseClick(window->ButtonOf(button), Qt::LeftButton);
        }
        context.ProcessEvents();
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_EQ(family.OpenCount(), 0);
        context.fixture.messages.shown.clear();
    }
    context.DeleteClosedWindows();
}

} // namespace
} // namespace quarvex::ui
