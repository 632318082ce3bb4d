#pragma once

#include "platform/Exception.h"

namespace quarvex::framework {

// Errors of the shared helpers of the calculator framework (entry-grid layout).
class EGlobal : public quarvex::Exception {
public:
    using quarvex::Exception::Exception;
};

} // namespace quarvex::framework
