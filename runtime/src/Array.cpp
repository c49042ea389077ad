// The C interface of array handles.
#include "rt/Array.h"
#include "rt/Error.h"
#include "rt/Frame.h"

#include "Handlers.h"

#include <limits>

namespace rt
{

mxArray *newArray(Matrix value)
{
    return new mxArray_tag{std::move(value)};
}

} // namespace rt

extern "C" {

mxArray *mxCreateDoubleMatrix(size_t m, size_t n, int complexity)
{
    return rt::guarded<mxArray *>(
        [&] {
            if (complexity != 0)
                rt::raise("Run-time Error: Complex arrays are not supported.");
            constexpr auto limit = static_cast<size_t>(std::numeric_limits<rt::Index>::max());
            if (m > limit || n > limit || (n != 0 && m > limit / n / sizeof(double)))
                rt::raiseOutOfMemory();
            return rt::newArray(
                rt::Matrix::Zero(static_cast<rt::Index>(m), static_cast<rt::Index>(n)));
        },
        nullptr);
}

mxArray *mxCreateDoubleScalar(double value)
{
    return rt::guarded<mxArray *>([&] { return rt::newArray(rt::Matrix::Constant(1, 1, value)); },
                                  nullptr);
}

double *mxGetPr(const mxArray *a)
{
    if (a == nullptr || a->value.size() == 0)
        return nullptr;
    return const_cast<double *>(a->value.data());
}

size_t mxGetM(const mxArray *a)
{
    return a ? static_cast<size_t>(a->value.rows()) : 0;
}

size_t mxGetN(const mxArray *a)
{
    return a ? static_cast<size_t>(a->value.cols()) : 0;
}

void mxDestroyArray(mxArray *a)
{
    delete a;
}

void mlfSetErrorHandler(mxErrorHandler handler)
{
    rt::errorHandler.store(handler);
}

void mlfSetWarningHandler(mxErrorHandler handler)
{
    rt::warningHandler.store(handler);
}

} // extern "C"
