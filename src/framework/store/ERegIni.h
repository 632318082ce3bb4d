#pragma once

#include "platform/Exception.h"

#include <string>

namespace quarvex::framework {

// The settings store could not do what it was asked (write the settings file, take its lock).
// The message names the file and the system's reason; the file on disk is left as it was.
class ERegIni : public quarvex::Exception {
public:
    using quarvex::Exception::Exception;
};

} // namespace quarvex::framework
