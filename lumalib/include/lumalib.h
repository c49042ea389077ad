/* lumalib: the frequency table of the values of a vector.
 *
 * Call lumalibInitialize once before the first call and lumalibTerminate after the last one.
 * Arrays follow the rules of mx.h: inputs stay the caller's, every returned array (the return
 * value and whatever is stored through a non-null out-pointer) belongs to the caller. On error
 * nothing is stored and, with an error handler installed, NULL is returned. */
#ifndef VISTREL_LUMALIB_H
#define VISTREL_LUMALIB_H

#include "mx.h"

#ifdef __cplusplus
extern "C" {
#endif

void lumalibInitialize(void);
void lumalibTerminate(void);

/* The frequency table of the values of x (any shape, read as one vector; NaN not counted).
 * Returns G, the number of distinct values (1x1). Through the out-pointers, which may be null:
 * out2, the distinct values ascending (Gx1); out3, the count of each (Gx1); out4, each count as
 * a percentage of all counted values (Gx1). */
mxArray *mlfTab(mxArray **out2, mxArray **out3, mxArray **out4, mxArray *x);
void mlxTab(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

#ifdef __cplusplus
}
#endif

#endif
