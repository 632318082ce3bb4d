#pragma once

#include "platform/Exception.h"

namespace quarvex::ui {

// A print job or PDF file that could not be made; the message says what failed.
class EPrinting : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::ui
