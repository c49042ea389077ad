/* kestlib: Procrustes rotation of data tables onto a target, with correlations, their
 * significance and descriptive statistics; the standard statistics functions it relies on.
 *
 * Call kestlibInitialize once before the first call and kestlibTerminate after the last one;
 * initialise again before calling after a terminate. Calls must not overlap.
 *
 * Arrays follow the rules of mx.h: inputs stay the caller's and are never changed; every
 * returned array (the return value and whatever is stored through a non-null out-pointer)
 * belongs to the caller, who destroys it with mxDestroyArray. A null out-pointer means that
 * output is not wanted. On error nothing is stored: without an error handler the call throws
 * rt::Error; with one (mlfSetErrorHandler) the handler gets the message and NULL is returned.
 * A NULL input counts as not given; where the input is needed the call fails with
 * "Run-time Error: Reference to an undefined variable "<name>"."
 *
 * Every argument-vector form (mlx...) takes nlhs, the number of outputs wanted; plhs, where they
 * are stored (plhs[0] always, also when nlhs is 0); nrhs and prhs, the inputs, of which missing
 * trailing ones count as not given. More outputs or inputs than declared fail with the
 * message "Run-time Error: File: <name> Line: <line> Column: 1 The function "<name>" was called
 * with more than the declared number of outputs (<n>)." (or "inputs"). */
#ifndef VISTREL_KESTLIB_H
#define VISTREL_KESTLIB_H

#include "mx.h"

#ifdef __cplusplus
extern "C" {
#endif

void kestlibInitialize(void);
void kestlibTerminate(void);

/* Rotates every table of Xw onto the target Xt by the orthogonal Procrustes solution.
 * Xt: the target, nrows objects by c variables (c >= 2). Xw: further tables of nrows rows each,
 * stacked vertically, with c columns (rows after the last whole table are ignored; no rows means
 * no further table). nrows: 1x1, a whole number >= 2. With N further tables, returns Xtz, the
 * standardised target (nrows x c), and through the out-pointers: KXw, the standardised tables
 * (N*nrows x c); KRR, the c x c rotations (N*c x c); KwR, the rotated tables; KA, the residuals
 * Xtz - rotated table (both N*nrows x c); Kdsq, the residual sums of squares, and Kd, their
 * square roots (N x 1); KCfcombo, Pearson r and p-value per variable between target and rotated
 * table (N*c x 2); KCicombo and KSCicombo, Pearson and Spearman per object (N*nrows x 2);
 * KChcombo and KSChcombo, Pearson and Spearman per variable between a table before and after
 * rotation (N*c x 2); Kmo, Kvar, Kstdev, Kcv, the column means, variances, standard deviations
 * and coefficients of variation in percent of the raw tables, target first ((N+1) x c). With
 * N = 0 the outputs KXw to KSChcombo are empty 0x0 arrays. Fails with a message naming the
 * problem when nrows, the number of variables or the shapes of Xt and Xw do not fit. */
mxArray *mlfKest(mxArray **KXw, mxArray **KRR, mxArray **KwR, mxArray **KA, mxArray **Kdsq,
                 mxArray **Kd, mxArray **KCfcombo, mxArray **KCicombo, mxArray **KSCicombo,
                 mxArray **KChcombo, mxArray **KSChcombo, mxArray **Kmo, mxArray **Kvar,
                 mxArray **Kstdev, mxArray **Kcv, mxArray *Xt, mxArray *Xw, mxArray *nrows);
void mlxKest(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

/* The normal distribution function at x with mean mu (NULL: 0) and standard deviation sigma
 * (NULL: 1), element by element; scalars expand to the size of the other arguments. Returns an
 * array of that size. Fails with "Requires non-scalar arguments to match in size." when two
 * non-scalar arguments differ in size. */
mxArray *mlfNormcdf(mxArray *x, mxArray *mu, mxArray *sigma);
void mlxNormcdf(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

/* The columns of d standardised: minus the column mean, divided by the column standard
 * deviation (divisor n - 1). A column whose values are all equal becomes zeros; a row vector
 * is read as a column and comes back as one. Returns an array of d's size. */
mxArray *mlfZscore(mxArray *d);
void mlxZscore(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

/* Brings the nparms arrays that follow nparms to one size: scalars expand to the size of the
 * first non-scalar. varargout is a NULL-terminated list of out-pointers (the list itself may be
 * NULL) that receive the arrays in order; the inputs after nparms end with a NULL. Returns
 * errorcode, 1x1: 0, or 1 when two non-scalars differ in size (then the arrays from the first
 * mismatch on come back unchanged). Fails when fewer than nparms arrays follow, or when more
 * outputs are asked for than there are arrays. */
mxArray *mlfDistchck(mxArray **varargout[], mxArray *nparms, ...);
void mlxDistchck(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

#ifdef __cplusplus
}
#endif

#endif
