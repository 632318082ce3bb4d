#include "shell/Launcher.h"

#include "calculators/Catalog.h"

#include <algorithm>

namespace quarvex::shell {

Launcher::Launcher(framework::BufferContext& context, Help& help,
                   const framework::WindowOptions& windowOptions, WindowMaker maker)
    : context_(context), help_(help), windowOptions_(windowOptions), maker_(std::move(maker)) {
    for (const LauncherEntry& entry : LauncherEntries()) {
        if (const auto* calculator = calculators::FindCalculator(entry.stem)) {
            families_.push_back(std::make_unique<CalculatorSlots>(CalculatorSlots{
                entry.stem, calculator, framework::CalculatorFamily(calculator->Spec())}));
        }
    }
}

Launcher::~Launcher() {
    // Windows still open go before the families their controllers point into.
    open_.clear();
}

Launcher::CalculatorSlots* Launcher::FindFamily(std::string_view stem) {
    const auto found = std::find_if(families_.begin(), families_.end(),
                                    [stem](const auto& family) { return family->stem == stem; });
    return found == families_.end() ? nullptr : found->get();
}

const framework::CalculatorFamily* Launcher::FamilyOf(std::string_view stem) const {
    const auto found = std::find_if(families_.begin(), families_.end(),
                                    [stem](const auto& family) { return family->stem == stem; });
    return found == families_.end() ? nullptr : &(*found)->instances;
}

int Launcher::FreeSlot(const CalculatorSlots& family) const {
    const auto slot = family.instances.FreeSlot();
    if (!slot || IsOpen(family.stem, *slot)) {
        return 0;
    }
    return *slot;
}

LaunchResult Launcher::Launch(std::string_view stem) {
    const LauncherEntry* entry = FindLauncherEntry(stem);
    CalculatorSlots* family = FindFamily(stem);
    if (entry == nullptr || family == nullptr) {
        return LaunchResult::Unavailable;
    }
    const int slot = FreeSlot(*family);
    if (slot == 0) {
        return LaunchResult::AllTaken;
    }
    std::unique_ptr<LaunchedWindow> window;
    std::string caption;
    try {
        // Every window gets a buffer of its own: a buffer shared by two windows would be freed
        // by the first of them to close while the other still uses it.
        auto controller = std::make_unique<framework::CalculatorController>(
            family->entry->create(context_), family->instances, help_, windowOptions_);
        // The window owns the controller from here on and lives at least as long as `window`.
        const framework::CalculatorController& opened = *controller;
        window = maker_(*entry, std::move(controller));
        if (!window) {
            return LaunchResult::Failed;
        }
        window->Present(slot);
        if (opened.Instance() != slot) {
            return LaunchResult::Failed;
        }
        caption = opened.Caption();
    } catch (const std::exception&) {
        // The window (and with it the controller, which frees its slot) goes away.
        return LaunchResult::Failed;
    }
    open_.push_back(Open{std::move(window), std::move(caption), entry->stem, slot});
    lastOpened_ = slot;
    return LaunchResult::Opened;
}

void Launcher::WindowClosed(const LaunchedWindow& window) {
    const auto found = std::find_if(open_.begin(), open_.end(), [&window](const Open& open) {
        return open.window.get() == &window;
    });
    if (found != open_.end()) {
        open_.erase(found);
    }
}

std::vector<OpenWindowItem> Launcher::OpenWindows() const {
    std::vector<OpenWindowItem> items;
    items.reserve(open_.size());
    for (const Open& open : open_) {
        items.push_back(OpenWindowItem{open.caption, open.stem, open.instance});
    }
    return items;
}

bool Launcher::IsOpen(std::string_view stem, int instance) const {
    return std::any_of(open_.begin(), open_.end(), [&](const Open& open) {
        return open.stem == stem && open.instance == instance;
    });
}

bool Launcher::BringToFront(std::string_view stem, int instance) {
    for (Open& open : open_) {
        if (open.stem == stem && open.instance == instance) {
            open.window->BringToFront();
            return true;
        }
    }
    return false;
}

void Launcher::CloseAll() {
    // Taken out of the list first: each window reports its close while it is being closed.
    std::vector<Open> closing = std::move(open_);
    open_.clear();
    for (Open& open : closing) {
        try {
            open.window->CloseWithHandling();
        } catch (const std::exception&) {
            // One window that cannot close properly must not keep the others from it.
        }
    }
}

} // namespace quarvex::shell
