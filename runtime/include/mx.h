/* The array runtime shared by Vistrel's numeric libraries and their callers.
 *
 * Every number that crosses a library boundary travels in an mxArray: an opaque, real,
 * two-dimensional array of doubles stored column by column (element (i, j) of an m-by-n
 * array, counted from 0, lies at j*m + i).
 *
 * Ownership: whoever creates an array, or receives one from a library function, destroys it
 * once with mxDestroyArray. Arrays passed to a library function as inputs stay the caller's
 * and are never changed by the call.
 *
 * Errors: library functions return no error codes. By default an error is thrown as a C++
 * exception (rt::Error, derived from std::runtime_error, whose what() is the message). A C
 * caller installs a handler with mlfSetErrorHandler instead: every exported entry then catches
 * the error, passes its message to the handler, fills no out-pointer and returns NULL. */
#ifndef VISTREL_MX_H
#define VISTREL_MX_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct mxArray_tag mxArray;

/* A new zeroed m-by-n real array, owned by the caller. A non-zero complexity is an error
 * (only real arrays exist); so is an array too large to allocate. */
mxArray *mxCreateDoubleMatrix(size_t m, size_t n, int complexity);

/* A new 1-by-1 array holding value, owned by the caller. */
mxArray *mxCreateDoubleScalar(double value);

/* The column-major data of a; valid until a is destroyed. NULL for an empty array. */
double *mxGetPr(const mxArray *a);

/* Number of rows and columns of a. */
size_t mxGetM(const mxArray *a);
size_t mxGetN(const mxArray *a);

/* Releases a; NULL is ignored. */
void mxDestroyArray(mxArray *a);

typedef void (*mxErrorHandler)(const char *message);

/* Installs the process-wide error handler; NULL restores throwing. Returns nothing; the
 * message passed to the handler is valid only during the handler call. */
void mlfSetErrorHandler(mxErrorHandler handler);

/* Installs the process-wide warning handler; NULL restores the default, which writes
 * "Warning: " and the message on a line of its own to standard error. A warning never stops
 * the call that raised it. */
void mlfSetWarningHandler(mxErrorHandler handler);

#ifdef __cplusplus
}
#endif

#endif
