// tivolib's exports.
#include "tivolib.h"

#include "combnk.h"
#include "combntns.h"
#include "fts.h"
#include "remainder.h"

namespace
{

// The modules hold no constants, so there is nothing to create at initialisation.
rt::Library library{"tivolib",
                    0,
                    {&tivolib::ftsSignature, &tivolib::combnkSignature, &tivolib::combntnsSignature,
                     &tivolib::remainderSignature},
                    {}};

} // namespace

extern "C" {

void tivolibInitialize(void)
{
    rt::initializeLibrary(library);
}

void tivolibTerminate(void)
{
    rt::terminateLibrary(library);
}

mxArray *mlfFts(mxArray **CIN, mxArray **L, mxArray **cinB, mxArray **C, mxArray *B, mxArray *h)
{
    return rt::callC(tivolib::ftsSignature, tivolib::Mfts, {CIN, L, cinB, C}, {B, h});
}

void mlxFts(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(tivolib::ftsSignature, tivolib::Mfts, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfCombnk(mxArray *v, mxArray *k)
{
    return rt::callC(tivolib::combnkSignature, tivolib::Mcombnk, {}, {v, k});
}

void mlxCombnk(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(tivolib::combnkSignature, tivolib::Mcombnk, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfCombntns(mxArray *choicevec, mxArray *choose)
{
    return rt::callC(tivolib::combntnsSignature, tivolib::Mcombntns, {}, {choicevec, choose});
}

void mlxCombntns(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(tivolib::combntnsSignature, tivolib::Mcombntns, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfRemainder(mxArray *r, mxArray *novars)
{
    return rt::callC(tivolib::remainderSignature, tivolib::Mremainder, {}, {r, novars});
}

void mlxRemainder(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(tivolib::remainderSignature, tivolib::Mremainder, nlhs, plhs, nrhs, prhs);
}

} // extern "C"
