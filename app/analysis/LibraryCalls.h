// The two library calls of a run, made through the libraries' C interface as any outside caller
// would: lumalib's frequency table of the table numbers and kestlib's Procrustes computation.
// Library errors arrive as rt::Error, whose what() is the library's message.
#pragma once

#include "mx.h"

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace analysis
{

struct ArrayDeleter {
    void operator()(mxArray *array) const { mxDestroyArray(array); }
};
// An array handle that is destroyed when it goes.
using Array = std::unique_ptr<mxArray, ArrayDeleter>;

// The libraries take one call at a time: every call, initialisation and termination holds this.
std::mutex &libraryMutex();

// The number of rows that carry each distinct table number, in ascending order of the numbers.
std::vector<int> CountTableRows(std::span<const double> tableNumbers);

// The sixteen outputs of kest, in the library's order: Xtz, KXw, KRR, KwR, KA, Kdsq, Kd,
// KCfcombo, KCicombo, KSCicombo, KChcombo, KSChcombo, Kmo, Kvar, Kstdev, Kcv.
struct KestOutputs {
    static constexpr std::size_t Count = 16;
    std::array<Array, Count> arrays;
};

// kest on the n x a values (row by row): the first m rows are the target Xt, the rest the
// stacked tables Xw.
KestOutputs CallKest(std::span<const double> values, int n, int a, int m);

} // namespace analysis
