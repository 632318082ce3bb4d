#pragma once

#include "platform/Exception.h"

#include <optional>
#include <string>
#include <utility>

namespace quarvex::masks {

// A picture that the engine cannot use, or one that does not suit the value type it is
// given: a fault of the form that declared it, found when the field is set up.
class EBadPicture : public Exception {
public:
    using Exception::Exception;
};

// Typed text that is not a value of its field; the message says what the field takes.
class EInvalidEntry : public Exception {
public:
    using Exception::Exception;
};

// The outcome of reading typed text: a value, or the message that tells the user what the
// field takes ("Enter a whole number from -32768 to 32767.").
template <class T> struct Parsed {
    std::optional<T> value;
    std::string error;

    static Parsed Success(T v) { return Parsed{std::move(v), {}}; }
    static Parsed Failure(std::string message) { return Parsed{std::nullopt, std::move(message)}; }

    bool Ok() const { return value.has_value(); }

    // The value, or EInvalidEntry with the message.
    const T& ValueOrThrow() const {
        if (!value) {
            throw EInvalidEntry(error);
        }
        return *value;
    }
};

} // namespace quarvex::masks
