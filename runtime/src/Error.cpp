#include "rt/Error.h"

#include "Handlers.h"

#include <cstdio>

namespace rt
{

void raise(const std::string &message)
{
    throw Error(message);
}

void raiseDimensionMismatch()
{
    raise("Run-time Error: Matrix dimensions must agree.");
}

void raiseIndexOutOfRange()
{
    raise("Run-time Error: Index exceeds matrix dimensions.");
}

void raiseUndefinedVariable(const std::string &variable)
{
    raise("Run-time Error: Reference to an undefined variable \"" + variable + "\".");
}

void raiseUnassignedOutput(const std::string &output, const std::string &function)
{
    raise("Run-time Error: The output \"" + output + "\" of the function \"" + function +
          "\" was not assigned during the call.");
}

void raiseOutOfMemory()
{
    raise("Run-time Error: Out of memory.");
}

void warn(const std::string &message)
{
    if (mxErrorHandler handler = warningHandler.load()) {
        handler(message.c_str());
        return;
    }
    std::fprintf(stderr, "Warning: %s\n", message.c_str());
}

} // namespace rt
