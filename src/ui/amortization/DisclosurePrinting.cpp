#include "ui/amortization/DisclosurePrinting.h"

#include "amortization/calculator/DisclosureReport.h"
#include "amortization/calculator/TcbAmort.h"
#include "platform/Clock.h"
#include "ui/amortization/DisclosureInfoDialog.h"
#include "ui/framework/GuardedCall.h"
#include "ui/platform/UiContext.h"

#include <optional>

namespace quarvex::ui {

void PrintAprDisclosure(UiContext& ui, amortization::TcbAmort& amort, TfrmAprInfo& dialog) {
    std::optional<amortization::AprDisclosureFigures> figures;
    RunGuarded(ui.buffers.messages, [&] { figures = amort.MakeDisclosureFigures(); });
    if (!figures) {
        return;
    }
    dialog.Prepare();
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    RunGuarded(ui.buffers.messages, [&] {
        amortization::PrintDisclosureStatement(ui.buffers.printing, *figures, dialog.Info(),
                                               ui.buffers.clock.Today(), ui.buffers.conventions);
    });
}

} // namespace quarvex::ui
