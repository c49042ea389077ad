// lumalib's exports.
#include "lumalib.h"

#include "tab.h"

namespace
{

rt::Library library{"lumalib", 0, {&lumalib::tabSignature}, {}};

} // namespace

extern "C" {

void lumalibInitialize(void)
{
    rt::initializeLibrary(library);
}

void lumalibTerminate(void)
{
    rt::terminateLibrary(library);
}

mxArray *mlfTab(mxArray **out2, mxArray **out3, mxArray **out4, mxArray *x)
{
    return rt::callC(lumalib::tabSignature, lumalib::Mtab, {out2, out3, out4}, {x});
}

void mlxTab(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(lumalib::tabSignature, lumalib::Mtab, nlhs, plhs, nrhs, prhs);
}

} // extern "C"
