#include "rt/Frame.h"

#include "rt/Array.h"
#include "rt/Error.h"

#include "Handlers.h"

#include <algorithm>
#include <memory>
#include <new>

namespace rt
{

namespace
{

std::string arityMessage(const Signature &signature, const char *what, int declared)
{
    return "Run-time Error: File: " + signature.name + " Line: " + std::to_string(signature.line) +
           " Column: 1 The function \"" + signature.name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(declared) + ").";
}

std::string nameOf(const std::vector<std::string> &names, std::size_t i, const char *rest)
{
    return i < names.size() ? names[i] : std::string(rest);
}

// The value of output i, which the caller asked for; raises when the routine never set it.
Matrix &requiredOutput(const Signature &signature, Outputs &outputs, std::size_t i)
{
    if (i >= outputs.size() || !outputs[i])
        raiseUnassignedOutput(nameOf(signature.outputNames, i, "varargout"), signature.name);
    return *outputs[i];
}

using Handle = std::unique_ptr<mxArray, decltype(&mxDestroyArray)>;

Handle handleFor(Matrix &value)
{
    return Handle(newArray(std::move(value)), &mxDestroyArray);
}

} // namespace

std::string tooManyOutputsMessage(const Signature &signature)
{
    return arityMessage(signature, "outputs", signature.outputs);
}

std::string tooManyInputsMessage(const Signature &signature)
{
    return arityMessage(signature, "inputs", signature.inputs);
}

Args::Args(const Signature &signature, std::vector<const mxArray *> arrays)
    : signature_(signature), arrays_(std::move(arrays))
{
}

const Matrix &Args::operator[](std::size_t i) const
{
    if (!given(i))
        raiseUndefinedVariable(nameOf(signature_.inputNames, i, "varargin"));
    return arrays_[i]->value;
}

bool reportToHandler(const char *message)
{
    mxErrorHandler handler = errorHandler.load();
    if (handler == nullptr)
        return false;
    handler(message);
    return true;
}

void guarded(const std::function<void()> &body)
{
    try {
        body();
    } catch (const Error &error) {
        if (!reportToHandler(error.what()))
            throw;
    } catch (const std::bad_alloc &) {
        const Error error("Run-time Error: Out of memory.");
        if (!reportToHandler(error.what()))
            throw error;
    }
}

mxArray *callC(const Signature &signature, const Routine &routine,
               std::span<mxArray **const> outPointers, std::span<const mxArray *const> inputs)
{
    return guarded<mxArray *>(
        [&] {
            const auto requested = 1 + std::count_if(outPointers.begin(), outPointers.end(),
                                                     [](mxArray **p) { return p != nullptr; });
            Outputs outputs = routine(static_cast<int>(requested),
                                      Args(signature, {inputs.begin(), inputs.end()}));
            // Check everything before handing anything over, so a failure fills nothing.
            requiredOutput(signature, outputs, 0);
            for (std::size_t i = 0; i < outPointers.size(); ++i)
                if (outPointers[i] != nullptr)
                    requiredOutput(signature, outputs, i + 1);
            std::vector<Handle> handed;
            for (std::size_t i = 0; i < outPointers.size(); ++i)
                if (outPointers[i] != nullptr)
                    handed.push_back(handleFor(*outputs[i + 1]));
            Handle first = handleFor(*outputs[0]);
            for (std::size_t i = 0, k = 0; i < outPointers.size(); ++i)
                if (outPointers[i] != nullptr)
                    *outPointers[i] = handed[k++].release();
            return first.release();
        },
        nullptr);
}

mxArray *callC(const Signature &signature, const Routine &routine,
               std::initializer_list<mxArray **> outPointers,
               std::initializer_list<const mxArray *> inputs)
{
    return callC(signature, routine,
                 std::span<mxArray **const>(outPointers.begin(), outPointers.size()),
                 std::span<const mxArray *const>(inputs.begin(), inputs.size()));
}

void callVector(const Signature &signature, const Routine &routine, int nlhs, mxArray *plhs[],
                int nrhs, mxArray *prhs[])
{
    guarded([&] {
        nlhs = std::max(nlhs, 0);
        nrhs = std::max(nrhs, 0);
        if (signature.outputs != kVariable && nlhs > signature.outputs)
            raise(tooManyOutputsMessage(signature));
        if (signature.inputs != kVariable && nrhs > signature.inputs)
            raise(tooManyInputsMessage(signature));

        const int declaredInputs = signature.inputs == kVariable ? nrhs : signature.inputs;
        std::vector<const mxArray *> inputs(static_cast<std::size_t>(declaredInputs), nullptr);
        std::copy_n(prhs, std::min(nrhs, declaredInputs), inputs.begin());

        Outputs outputs = routine(nlhs, Args(signature, std::move(inputs)));
        const int declaredOutputs = signature.outputs == kVariable ? nlhs : signature.outputs;
        const int stored = std::max(1, std::min(nlhs, declaredOutputs));
        for (int i = 0; i < stored; ++i)
            requiredOutput(signature, outputs, static_cast<std::size_t>(i));
        std::vector<Handle> handles;
        for (int i = 0; i < stored; ++i)
            handles.push_back(handleFor(*outputs[static_cast<std::size_t>(i)]));
        for (int i = 0; i < stored; ++i)
            plhs[i] = handles[static_cast<std::size_t>(i)].release();
    });
}

std::vector<mxArray **> outPointerList(mxArray **const *list)
{
    std::vector<mxArray **> pointers;
    for (; list != nullptr && *list != nullptr; ++list)
        pointers.push_back(*list);
    return pointers;
}

std::vector<const mxArray *> inputList(std::initializer_list<const mxArray *> fixed, va_list rest)
{
    std::vector<const mxArray *> inputs(fixed);
    while (mxArray *a = va_arg(rest, mxArray *))
        inputs.push_back(a);
    return inputs;
}

void initializeLibrary(Library &library)
{
    if (library.referenceCount++ > 0)
        return;
    for (const ModuleHooks &module : library.modules)
        if (module.initialize)
            module.initialize();
}

void terminateLibrary(Library &library)
{
    if (library.referenceCount == 0 || --library.referenceCount > 0)
        return;
    for (const ModuleHooks &module : library.modules)
        if (module.terminate)
            module.terminate();
}

} // namespace rt
