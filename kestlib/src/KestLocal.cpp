#include "KestLocal.h"

#include "Elementwise.h"
#include "betainc.h"
#include "correlation.h"
#include "corrf.h"
#include "corrprci.h"
#include "ranks.h"
#include "tcdf.h"
#include "trisqmat.h"

#include "rt/Error.h"

namespace kestlib
{

namespace
{

const rt::Signature correlationSignature{"kest/correlation",   141,          3, 2,
                                         {"X1", "X2", "kind"}, {"r", "prob"}};
const rt::Signature corrfSignature{"kest/corrf", 249, 3, 1, {"X", "P1", "P2"}, {"r"}};
const rt::Signature corrprciSignature{"kest/corrprci", 277, 2, 1, {"R", "n"}, {"pr"}};
const rt::Signature ranksSignature{"kest/ranks", 289, 1, 1, {"X"}, {"RANK"}};
const rt::Signature trisqmatSignature{"kest/trisqmat", 335, 2, 1, {"tri", "dg"}, {"sqmat"}};
const rt::Signature tcdfSignature{"kest/tcdf", 393, 2, 1, {"x", "v"}, {"p"}};
const rt::Signature betaincSignature{"kest/betainc", 435, 3, 1, {"x", "a", "b"}, {"y"}};

rt::Matrix inputOrEmpty(const rt::Args &args, std::size_t i)
{
    return args.given(i) ? args[i] : rt::Matrix();
}

rt::Outputs Mkest_correlation(int nargout, const rt::Args &args)
{
    Correlation c =
        correlation(args[0], inputOrEmpty(args, 1), inputOrEmpty(args, 2), nargout >= 2);
    return {std::move(c.r), std::move(c.prob)};
}

rt::Outputs Mkest_corrf(int, const rt::Args &args)
{
    return {corrf(args[0], countArgument(args[1]), countArgument(args[2]))};
}

rt::Outputs Mkest_corrprci(int, const rt::Args &args)
{
    return {elementwise(corrprci, args[0], args[1])};
}

rt::Outputs Mkest_ranks(int, const rt::Args &args)
{
    return {ranks(args[0])};
}

rt::Outputs Mkest_trisqmat(int, const rt::Args &args)
{
    return {trisqmat(args[0], args.given(1) ? std::optional(args[1]) : std::nullopt)};
}

rt::Outputs Mkest_tcdf(int, const rt::Args &args)
{
    return {elementwise(tcdf, args[0], args[1])};
}

rt::Outputs Mkest_betainc(int, const rt::Args &args)
{
    if (!args.given(0) || !args.given(1) || !args.given(2))
        rt::raise("Requires three input arguments.");
    return {betainc(args[0], args[1], args[2])};
}

} // namespace

void mlxKest_correlation(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(correlationSignature, Mkest_correlation, nlhs, plhs, nrhs, prhs);
}

void mlxKest_corrf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(corrfSignature, Mkest_corrf, nlhs, plhs, nrhs, prhs);
}

void mlxKest_corrprci(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(corrprciSignature, Mkest_corrprci, nlhs, plhs, nrhs, prhs);
}

void mlxKest_ranks(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(ranksSignature, Mkest_ranks, nlhs, plhs, nrhs, prhs);
}

void mlxKest_trisqmat(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(trisqmatSignature, Mkest_trisqmat, nlhs, plhs, nrhs, prhs);
}

void mlxKest_tcdf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(tcdfSignature, Mkest_tcdf, nlhs, plhs, nrhs, prhs);
}

void mlxKest_betainc(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[])
{
    rt::callVector(betaincSignature, Mkest_betainc, nlhs, plhs, nrhs, prhs);
}

const std::array<LocalFunction, 7> kestLocalFunctions{{
    {correlationSignature, mlxKest_correlation},
    {corrfSignature, mlxKest_corrf},
    {corrprciSignature, mlxKest_corrprci},
    {ranksSignature, mlxKest_ranks},
    {trisqmatSignature, mlxKest_trisqmat},
    {tcdfSignature, mlxKest_tcdf},
    {betaincSignature, mlxKest_betainc},
}};

} // namespace kestlib
