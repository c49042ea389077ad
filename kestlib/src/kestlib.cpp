// kestlib's exports.
#include "kestlib.h"

#include "distchck.h"
#include "kest.h"
#include "normcdf.h"
#include "zscore.h"

#include <array>
#include <cstdarg>
#include <span>
#include <vector>

namespace
{

// The module constants are plain C++ constants, so no module needs set-up of its own.
rt::Library library{"kestlib",
                    0,
                    {&kestlib::kestSignature, &kestlib::normcdfSignature, &kestlib::zscoreSignature,
                     &kestlib::distchckSignature},
                    {}};

constexpr std::span<mxArray **const> noOutPointers{};

} // namespace

extern "C" {

void kestlibInitialize(void)
{
    rt::initializeLibrary(library);
}

void kestlibTerminate(void)
{
    rt::terminateLibrary(library);
}

mxArray *mlfKest(mxArray **KXw, mxArray **KRR, mxArray **KwR, mxArray **KA, mxArray **Kdsq,
                 mxArray **Kd, mxArray **KCfcombo, mxArray **KCicombo, mxArray **KSCicombo,
                 mxArray **KChcombo, mxArray **KSChcombo, mxArray **Kmo, mxArray **Kvar,
                 mxArray **Kstdev, mxArray **Kcv, mxArray *Xt, mxArray *Xw, mxArray *nrows)
{
    return rt::callC(kestlib::kestSignature, kestlib::Mkest,
                     {KXw, KRR, KwR, KA, Kdsq, Kd, KCfcombo, KCicombo, KSCicombo, KChcombo,
                      KSChcombo, Kmo, Kvar, Kstdev, Kcv},
                     {Xt, Xw, nrows});
}

void mlxKest(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(kestlib::kestSignature, kestlib::Mkest, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfNormcdf(mxArray *x, mxArray *mu, mxArray *sigma)
{
    const std::array<const mxArray *, 3> inputs{x, mu, sigma};
    return rt::callC(kestlib::normcdfSignature, kestlib::Mnormcdf, noOutPointers, inputs);
}

void mlxNormcdf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(kestlib::normcdfSignature, kestlib::Mnormcdf, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfZscore(mxArray *d)
{
    const std::array<const mxArray *, 1> inputs{d};
    return rt::callC(kestlib::zscoreSignature, kestlib::Mzscore, noOutPointers, inputs);
}

void mlxZscore(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(kestlib::zscoreSignature, kestlib::Mzscore, nlhs, plhs, nrhs, prhs);
}

mxArray *mlfDistchck(mxArray **varargout[], mxArray *nparms, ...)
{
    va_list rest;
    va_start(rest, nparms);
    const std::vector<const mxArray *> inputs = rt::inputList({nparms}, rest);
    va_end(rest);
    const std::vector<mxArray **> outPointers = rt::outPointerList(varargout);
    return rt::callC(kestlib::distchckSignature, kestlib::Mdistchck, outPointers, inputs);
}

void mlxDistchck(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(kestlib::distchckSignature, kestlib::Mdistchck, nlhs, plhs, nrhs, prhs);
}

} // extern "C"
