#include "LibraryCalls.h"

#include "kestlib.h"
#include "lumalib.h"
#include "rt/Error.h"

#include <algorithm>
#include <cmath>

namespace analysis
{

namespace
{

Array matrix(std::size_t rows, std::size_t columns)
{
    return Array(mxCreateDoubleMatrix(rows, columns, 0));
}

// Rows first .. first + rows - 1 of the row-by-row values, as a column-major array.
Array columnMajor(std::span<const double> values, std::size_t columns, std::size_t first,
                  std::size_t rows)
{
    Array array = matrix(rows, columns);
    double *data = mxGetPr(array.get());
    for (std::size_t j = 0; j < columns; ++j)
        for (std::size_t i = 0; i < rows; ++i)
            data[j * rows + i] = values[(first + i) * columns + j];
    return array;
}

// With an error handler installed a library answers a failure with no result instead.
Array checked(mxArray *result)
{
    if (!result)
        throw rt::Error("The library returned no result.");
    return Array(result);
}

} // namespace

std::mutex &libraryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<int> CountTableRows(std::span<const double> tableNumbers)
{
    Array numbers = matrix(1, tableNumbers.size());
    std::copy(tableNumbers.begin(), tableNumbers.end(), mxGetPr(numbers.get()));

    mxArray *values = nullptr;
    mxArray *counts = nullptr;
    mxArray *percent = nullptr;
    Array G;
    {
        const std::lock_guard lock(libraryMutex());
        G = checked(mlfTab(&values, &counts, &percent, numbers.get()));
    }
    const Array valuesOwned(values), countsOwned(counts), percentOwned(percent);

    const auto distinct = static_cast<std::size_t>(std::lround(*mxGetPr(G.get())));
    std::vector<int> rows(distinct);
    const double *perNumber = mxGetPr(counts);
    for (std::size_t g = 0; g < distinct; ++g)
        rows[g] = static_cast<int>(std::lround(perNumber[g]));
    return rows;
}

KestOutputs CallKest(std::span<const double> values, int n, int a, int m)
{
    const auto columns = static_cast<std::size_t>(a);
    const auto targetRows = static_cast<std::size_t>(m);
    const Array Xt = columnMajor(values, columns, 0, targetRows);
    const Array Xw = columnMajor(values, columns, targetRows, static_cast<std::size_t>(n - m));
    const Array nrows(mxCreateDoubleScalar(m));

    std::array<mxArray *, KestOutputs::Count> out{};
    {
        const std::lock_guard lock(libraryMutex());
        out[0] = mlfKest(&out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7], &out[8],
                         &out[9], &out[10], &out[11], &out[12], &out[13], &out[14], &out[15],
                         Xt.get(), Xw.get(), nrows.get());
    }
    KestOutputs outputs;
    for (std::size_t i = 1; i < KestOutputs::Count; ++i)
        outputs.arrays[i] = Array(out[i]);
    outputs.arrays[0] = checked(out[0]);
    return outputs;
}

} // namespace analysis
