// The local functions of the kest module in their argument-vector form. They are not exported
// from the library's C interface; this header is for the library itself and its tests.
#pragma once

#include "rt/Frame.h"

#include <array>

namespace kestlib
{

using VectorEntry = void (*)(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

// [r, prob] = correlation(X1, X2, kind)
void mlxKest_correlation(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// r = corrf(X, P1, P2)
void mlxKest_corrf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// pr = corrprci(R, n), element by element over R
void mlxKest_corrprci(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// RANK = ranks(X), column by column
void mlxKest_ranks(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// sqmat = trisqmat(tri, dg)
void mlxKest_trisqmat(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// p = tcdf(x, v), element by element with scalar expansion
void mlxKest_tcdf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
// y = betainc(x, a, b), element by element with scalar expansion
void mlxKest_betainc(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

struct LocalFunction {
    const rt::Signature &signature; // name "kest/<local name>", declared inputs and outputs
    VectorEntry entry;
};

// The module's local function table, in its fixed order.
extern const std::array<LocalFunction, 7> kestLocalFunctions;

} // namespace kestlib
