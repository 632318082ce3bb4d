#include "ui/framework/CalculatorWindow.h"

#include "ui/framework/TcalcBase.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace quarvex::ui {

namespace {

std::string Key(std::string_view stem) {
    std::string key(stem);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

// The special windows by calculator stem. Filled once at start-up, before any window opens.
std::map<std::string, WindowMaker>& Makers() {
    static std::map<std::string, WindowMaker> makers;
    return makers;
}

} // namespace

void RegisterWindowMaker(std::string_view stem, WindowMaker maker) {
    Makers()[Key(stem)] = std::move(maker);
}

bool IsWindowRegistered(std::string_view stem) {
    const auto found = Makers().find(Key(stem));
    return found != Makers().end() && found->second;
}

CalculatorWindow* MakeCalculatorWindow(std::string_view stem,
                                       std::unique_ptr<framework::CalculatorController> controller,
                                       UiContext& ui) {
    const auto found = Makers().find(Key(stem));
    if (found != Makers().end() && found->second) {
        return found->second(std::move(controller), ui);
    }
    return new TcalcBase(std::move(controller), ui);
}

} // namespace quarvex::ui
