#pragma once

#include "platform/Exception.h"

#include <string>

// The errors of reading and writing data files. Loaders catch EVersionMismatch to tell the
// user the file is of another kind or version; every other error is shown as it is.
namespace quarvex::codec {

// A record that ends too early or holds what no record of ours can hold.
class EDamagedFile : public Exception {
public:
    EDamagedFile() : Exception("The file is damaged or incomplete.") {}
};

// A file header of another kind of file or another version.
class EVersionMismatch : public Exception {
public:
    EVersionMismatch() : Exception("Version Mismatch") {}
};

// A value that cannot be written into its place: a text too long for its field or with a
// character the file's character set does not have, text that is not valid UTF-8, a number
// that is not finite.
class ENotStorable : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be read or written; the message names the file and the reason.
class EFileAccess : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::codec
