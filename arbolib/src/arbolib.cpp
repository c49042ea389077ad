// arbolib's exports.
#include "arbolib.h"

#include "cah.h"
#include "calcindist.h"
#include "dendrog.h"

#include <cstdarg>

namespace
{

// The modules keep no constants, so there is nothing to create or release.
rt::Library library{
    "arbolib",
    0,
    {&arbolib::cahSignature, &arbolib::calcindistSignature, &arbolib::dendrogSignature},
    {}};

} // namespace

extern "C" {

void arbolibInitialize(void)
{
    rt::initializeLibrary(library);
}

void arbolibTerminate(void)
{
    rt::terminateLibrary(library);
}

mxArray *mlfCah(mxArray **L, mxArray **rowp, mxArray **mass, mxArray **cor, mxArray **ctr,
                mxArray **dx, mxArray **cod, mxArray **ctd, mxArray **Q, mxArray **T, mxArray **Out,
                mxArray *X, mxArray *zeroone, mxArray *cutoff)
{
    return rt::callC(arbolib::cahSignature, arbolib::Mcah,
                     {L, rowp, mass, cor, ctr, dx, cod, ctd, Q, T, Out}, {X, zeroone, cutoff});
}

void mlxCah(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(arbolib::cahSignature, arbolib::Mcah, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfCalcindist(mxArray *X)
{
    return rt::callC(arbolib::calcindistSignature, arbolib::Mcalcindist, {}, {X});
}

void mlxCalcindist(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(arbolib::calcindistSignature, arbolib::Mcalcindist, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfDendrog(mxArray *Z, ...)
{
    va_list rest;
    va_start(rest, Z);
    const std::vector<const mxArray *> inputs = rt::inputList({Z}, rest);
    va_end(rest);
    return rt::callC(arbolib::dendrogSignature, arbolib::Mdendrog, std::span<mxArray **const>(),
                     std::span<const mxArray *const>(inputs));
}

void mlxDendrog(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(arbolib::dendrogSignature, arbolib::Mdendrog, nlhs, plhs, nrhs, prhs);
}

} // extern "C"
