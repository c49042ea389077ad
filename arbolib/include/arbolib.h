/* arbolib: ascending hierarchical classification of the rows of a contingency table with Ward's
 * criterion under the chi-square metric, with aids to interpretation and the dendrogram's leaf
 * order.
 *
 * Call arbolibInitialize once before the first call and arbolibTerminate after the last one;
 * initialise again before calling after a terminate.
 *
 * Arrays follow the rules of mx.h: inputs stay the caller's and are never changed; every returned
 * array (the return value and whatever is stored through a non-null out-pointer) belongs to the
 * caller, who destroys it with mxDestroyArray. A null out-pointer means that output is not wanted.
 * On error nothing is stored: the call throws rt::Error or, with an error handler installed
 * (mlfSetErrorHandler), reports the message to it and returns NULL.
 *
 * Each function also has an argument-vector form, mlx + name: it takes nlhs, the number of
 * outputs wanted, plhs, the array they are stored into (plhs[0] always, plhs[i] for
 * 1 <= i < nlhs), nrhs and prhs, the inputs; missing trailing inputs count as not given. Asking
 * for more outputs or passing more inputs than the function declares fails, before any work,
 * with "Run-time Error: File: <name> Line: <line> Column: 1 The function "<name>" was called
 * with more than the declared number of outputs (<n>)." or "... inputs (<n>).". The arrays
 * stored in plhs belong to the caller. */
#ifndef VISTREL_ARBOLIB_H
#define VISTREL_ARBOLIB_H

#include "mx.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Initialises the library; calls are counted, so each needs a matching arbolibTerminate. */
void arbolibInitialize(void);

/* Ends the library's use after the last call. */
void arbolibTerminate(void);

/* Ward's classification of the rows of X (n x c).
 *
 * X: a table of non-negative counts or weights (n >= 2 rows, c >= 2 columns), or, when zeroone
 * is 1, the codes 1 to nlev(j) of n cases on c categorical variables, analysed as their zero-one
 * indicator table. cutoff: 0 for no cut, otherwise the number of clusters wanted.
 *
 * Returns Z ((n-1) x 7): per merging step the two merged nodes (table rows are nodes 1 to n, the
 * node formed at step s is n + s), the merging index, the within-group inertia after the step,
 * the between-group inertia left, the step's share of the total inertia, and the node's number
 * of rows. Through the out-pointers: L (1 x n) the dendrogram's leaf order; rowp, mass, cor, ctr
 * ((n-1) x c, mass 1 x (n-1)) the profile, mass, squared-distance shares and contributions of
 * nodes n + 1 to 2n - 1; dx, cod, ctd ((n-1) x c) per step the difference of the two profiles,
 * its squared-distance shares and the pair's contributions; Q ((n-1) x n) the table rows of each
 * node, padded with 0; T (n x 1) each row's cluster, or the scalar 0 when cutoff is 0; Out the
 * table analysed (n x c).
 *
 * A zero row or column total, or with zeroone = 1 a zero code, is answered by all twelve outputs
 * being the scalar 0. Fails with a message for an analysed table with fewer than two rows or
 * columns, a negative or non-finite value, codes that are not whole numbers, and a cutoff that is
 * not 0 or a whole number of clusters. */
mxArray *mlfCah(mxArray **L, mxArray **rowp, mxArray **mass, mxArray **cor, mxArray **ctr,
                mxArray **dx, mxArray **cod, mxArray **ctd, mxArray **Q, mxArray **T, mxArray **Out,
                mxArray *X, mxArray *zeroone, mxArray *cutoff);
/* At most 12 outputs and 3 inputs. */
void mlxCah(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

/* The aggregation indices of every two rows of X (r x c): a 1 x r(r-1)/2 row in the order
 * (1,2), (1,3), ..., (1,r), (2,3), ..., (r-1,r); the entry of rows i and i' is
 * ri ri' / (ri + ri') times the squared chi-square distance of their profiles, ri being a row's
 * share of the table total. Checks nothing: zero totals give non-finite entries. */
mxArray *mlfCalcindist(mxArray *X);
/* At most 1 output and 1 input. */
void mlxCalcindist(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

/* The leaf order of the dendrogram of Z ((m-1) x k, k >= 2, node numbering as cah's Z), called
 * as mlfDendrog(Z, p, NULL): exactly one further input p, the number of leaves to keep (0 keeps
 * all; a smaller whole number collapses the hierarchy to its top p nodes). Returns a 1 x m row
 * (1 x p after a collapse) listing the leaves from left to right. Fails when p is not given (or
 * more inputs are), when p is not 0 or a whole number of leaves, and when Z is not a sequence of
 * merges. */
mxArray *mlfDendrog(mxArray *Z, ...);
/* At most 1 output; the inputs are Z and p, and any other number of them fails as for mlfDendrog.
 */
void mlxDendrog(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

#ifdef __cplusplus
}
#endif

#endif
