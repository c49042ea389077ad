// The calling frame shared by every function of every numeric library: the C form with
// out-pointers, the argument-vector form, arity messages, output checks, error handlers, and the
// initialise/terminate pair of a library.
//
// An implementation routine takes the number of requested outputs and the inputs, and returns
// its outputs in order. It never owns or changes an input; the frame turns its outputs into
// handles only once the whole call has succeeded, so a failing call leaves nothing allocated.
#pragma once

#include "mx.h"
#include "rt/Matrix.h"

#include <cstdarg>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rt
{

// A declared input or output count meaning "one fixed argument, then any number".
inline constexpr int kVariable = -2;

// How a function presents itself to callers and in messages.
struct Signature {
    std::string name;                     // "kest", or "kest/correlation" for a local function
    int line = 1;                         // quoted in the arity messages
    int inputs = 0;                       // declared inputs, or kVariable
    int outputs = 1;                      // declared outputs, or kVariable
    std::vector<std::string> inputNames;  // named when a missing input is read
    std::vector<std::string> outputNames; // named when a requested output was never assigned
};

std::string tooManyOutputsMessage(const Signature &signature);
std::string tooManyInputsMessage(const Signature &signature);

// The inputs of one call, in order; a null handle is an input that was not given.
class Args
{
  public:
    Args(const Signature &signature, std::vector<const mxArray *> arrays);

    std::size_t count() const { return arrays_.size(); }
    bool given(std::size_t i) const { return i < arrays_.size() && arrays_[i] != nullptr; }

    // The value of input i; reading an input that was not given raises the runtime's
    // undefined-variable error naming it.
    const Matrix &operator[](std::size_t i) const;

  private:
    const Signature &signature_;
    std::vector<const mxArray *> arrays_;
};

// The outputs of one call, in order; an empty entry was never assigned.
using Outputs = std::vector<std::optional<Matrix>>;

using Routine = std::function<Outputs(int nargout, const Args &args)>;

// Runs routine in the C form: out-pointers for outputs 2 and on (null ones are not wanted and
// their outputs are destroyed), the inputs; returns output 1. On error: throws rt::Error, or,
// with a handler installed, reports to it and returns NULL with no out-pointer filled.
mxArray *callC(const Signature &signature, const Routine &routine,
               std::span<mxArray **const> outPointers, std::span<const mxArray *const> inputs);
mxArray *callC(const Signature &signature, const Routine &routine,
               std::initializer_list<mxArray **> outPointers,
               std::initializer_list<const mxArray *> inputs);

// Runs routine in the argument-vector form: arity checks (outputs first), missing trailing
// inputs passed as not given, plhs[0] always stored, plhs[i] for 1 <= i < min(nlhs, declared).
void callVector(const Signature &signature, const Routine &routine, int nlhs, mxArray *plhs[],
                int nrhs, mxArray *prhs[]);

// For variable lists in the C form: the out-pointers of a null-terminated list (which may itself
// be null), and the fixed inputs followed by the arrays of a null-ended variadic list.
std::vector<mxArray **> outPointerList(mxArray **const *list);
std::vector<const mxArray *> inputList(std::initializer_list<const mxArray *> fixed, va_list rest);

// Runs body at an exported boundary: errors go to the installed handler (returning fallback) or
// are thrown on as rt::Error. Memory exhaustion becomes an rt::Error too.
template <class Result, class Body> Result guarded(Body &&body, Result fallback);
void guarded(const std::function<void()> &body);

// A library's description: its functions, and its modules' initialisers and terminators, run
// in table order when the first initialise and the last terminate
// of the reference count happen.
struct ModuleHooks {
    void (*initialize)();
    void (*terminate)();
};

struct Library {
    const char *name;
    int referenceCount = 0;
    std::vector<const Signature *> functions;
    std::vector<ModuleHooks> modules;
};

void initializeLibrary(Library &library);
void terminateLibrary(Library &library);

// Internal to guarded(): reports an error to the handler; false when none is installed.
bool reportToHandler(const char *message);

template <class Result, class Body> Result guarded(Body &&body, Result fallback)
{
    Result result = fallback;
    guarded([&] { result = body(); });
    return result;
}

} // namespace rt
