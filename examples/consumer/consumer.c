/* A plain C program that links an installed Vistrel library: it builds an array, asks for a
 * frequency table, and reports errors through a handler instead of exceptions. */
#include <lumalib.h>

#include <stdio.h>

static void report(const char *message) { fprintf(stderr, "error: %s\n", message); }

int main(void)
{
    mlfSetErrorHandler(report);
    lumalibInitialize();

    const double values[] = {3, 1, 3, 3, 2};
    mxArray *x = mxCreateDoubleMatrix(5, 1, 0);
    for (int i = 0; i < 5; ++i)
        mxGetPr(x)[i] = values[i];

    mxArray *counts = NULL;
    mxArray *g = mlfTab(NULL, &counts, NULL, x);
    int ok = g != NULL && mxGetPr(g)[0] == 3 && mxGetPr(counts)[2] == 3;
    printf("%d distinct values\n", g ? (int)mxGetPr(g)[0] : -1);

    /* A failing call returns NULL and fills nothing. */
    mxArray *plhs[5] = {0};
    mlxTab(5, plhs, 1, &x);
    ok = ok && plhs[0] == NULL;

    mxDestroyArray(g);
    mxDestroyArray(counts);
    mxDestroyArray(x);
    lumalibTerminate();
    return ok ? 0 : 1;
}
