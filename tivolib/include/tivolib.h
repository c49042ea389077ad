/* tivolib: inertia over combinations of categorical variables.
 *
 * The association of every two variables of a Burt table, measured by the inertia of their
 * cross table, and the score of every split of the variables into two groups; with the
 * combination and complement functions it is built on.
 *
 * Call tivolibInitialize once before the first call and tivolibTerminate after the last one.
 * Arrays follow the rules of mx.h: inputs stay the caller's and are never changed; every
 * returned array (the return value and whatever is stored through a non-null out-pointer)
 * belongs to the caller, who destroys it with mxDestroyArray; a null out-pointer means that
 * output is not wanted. On error nothing is stored: the error is thrown as rt::Error, or, with
 * an error handler installed (mlfSetErrorHandler), reported to it and NULL is returned. An input
 * passed as NULL is not given; reading it fails with "Run-time Error: Reference to an undefined
 * variable "<name>"." */
#ifndef VISTREL_TIVOLIB_H
#define VISTREL_TIVOLIB_H

#include "mx.h"

#ifdef __cplusplus
extern "C" {
#endif

void tivolibInitialize(void);
void tivolibTerminate(void);

/* Splits of q categorical variables by their cross-association.
 * B: the Burt table, square of order H = h(1) + ... + h(q), rows and columns grouped by
 * variable; only the blocks above the block diagonal are read. h: 1 x q row of the numbers of
 * categories (whole numbers, 0 or more), q >= 2.
 * Returns no, the number of splits 2^(q-1) - 1 (1x1). Through the out-pointers: CIN, the score
 * of each split (the mean inertia between variables on opposite sides), ascending (1 x no); L,
 * each score as a percentage of cinB (1 x no); cinB, the mean inertia over all pairs of
 * variables (1x1); C, one row per split in the order of CIN (no x (q + 1)): one group's variable
 * numbers ascending, then 0, then the other group's ascending, the latter being the smaller
 * group (or, for two halves, the one the enumeration chose). Equal scores keep their generation
 * order: by size of the group after the 0, then in the row order of mlfCombnk. A pair with a
 * variable of a single category has inertia 0; a block with a zero row or column total gives
 * NaN, which flows into every result that uses it and sorts last.
 * Fails on an h that is not a row ("Run-time Error: Matrix dimensions must agree."), on fewer
 * than two variables (the messages of mlfCombntns), on numbers of categories that are not whole
 * numbers ("Numbers of categories must be whole numbers, 0 or more."), on a block outside B
 * ("Run-time Error: Index exceeds matrix dimensions."), and, before allocating, when the splits
 * would not fit in memory. */
mxArray *mlfFts(mxArray **CIN, mxArray **L, mxArray **cinB, mxArray **C, mxArray *B, mxArray *h);

/* All combinations of the elements of the vector v taken k (a scalar) at a time, one per row,
 * each row keeping the elements' order of position in v: C(n, k) rows of k columns for
 * 1 <= k <= n. The rows come in the order of the first rule that applies: k = n, one row;
 * k = n - 1, lexicographic; k = 1, one element per row; n < 17 and (k > 3 or n - k < 4),
 * reverse lexicographic; otherwise each element in turn followed by the combinations of the
 * later ones, each of those in the order of its own rule. Other k give an empty result.
 * Fails with "First argument has to be a vector." when v is not a non-empty vector, with
 * "Run-time Error: Matrix dimensions must agree." when k is not a scalar, and, before
 * allocating, when the result would not fit in memory. */
mxArray *mlfCombnk(mxArray *v, mxArray *k);

/* All combinations of the elements of the vector choicevec taken choose at a time, in
 * lexicographic order of positions: C(n, choose) rows of choose columns.
 * Fails with "Incorrect number of arguments" unless both inputs are given, "Input choices must
 * be a vector" (also for a choose below 1 or not whole), "Input choose must be a scalar", "Not
 * enough choices to choose that many", and, before allocating, when the result would not fit
 * in memory. */
mxArray *mlfCombntns(mxArray *choicevec, mxArray *choose);

/* The numbers from 1 to novars (a scalar; a fraction is rounded down) that occur nowhere in r
 * (any shape), ascending, as a row. Fails with "Run-time Error: The output "c" of the function
 * "remainder" was not assigned during the call." when nothing remains, and, before allocating,
 * when the result would not fit in memory. */
mxArray *mlfRemainder(mxArray *r, mxArray *novars);

/* The argument-vector forms of the functions above: nlhs outputs requested into plhs, nrhs
 * inputs in prhs. plhs[0] is always filled (also for nlhs = 0), plhs[i] for 0 < i < nlhs.
 * Surplus arguments fail before any work with "Run-time Error: File: <name> Line: <line>
 * Column: 1 The function "<name>" was called with more than the declared number of outputs
 * (<n>)." (checked first) or "... inputs (<n>).", for fts (line 1; 2 inputs, 5 outputs),
 * combnk and combntns (line 1; 2 inputs, 1 output) and remainder (line 3; 2 inputs, 1 output).
 * Missing trailing inputs are not given. */
void mlxFts(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
void mlxCombnk(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
void mlxCombntns(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);
void mlxRemainder(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

#ifdef __cplusplus
}
#endif

#endif
