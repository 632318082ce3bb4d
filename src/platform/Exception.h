#pragma once

#include <exception>
#include <string>
#include <utility>

namespace quarvex {

// The base of every error the program reports to its user: a message and nothing else.
// Error classes derive from it directly so that callers catch them by class.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

} // namespace quarvex
