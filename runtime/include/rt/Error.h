// Errors and warnings raised by the numeric libraries.
#pragma once

#include <stdexcept>
#include <string>

namespace rt
{

// An error raised inside a library call; what() is exactly the user-facing message.
class Error : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void raise(const std::string &message);

// The runtime's own failures, each with its fixed message.
[[noreturn]] void raiseDimensionMismatch();
[[noreturn]] void raiseIndexOutOfRange();
[[noreturn]] void raiseUndefinedVariable(const std::string &variable);
[[noreturn]] void raiseUnassignedOutput(const std::string &output, const std::string &function);
[[noreturn]] void raiseOutOfMemory();

// Reports a message without stopping the caller (to the installed warning handler, or stderr).
void warn(const std::string &message);

} // namespace rt
