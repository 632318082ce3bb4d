#pragma once

#include <functional>

namespace quarvex {
class Messages;
}

namespace quarvex::ui {

// Runs the handler of a user's action so that no exception reaches Qt's event loop: an
// error's text (ErrorText) is shown through `messages` and the window carries on.
void RunGuarded(Messages& messages, const std::function<void()>& action) noexcept;

} // namespace quarvex::ui
