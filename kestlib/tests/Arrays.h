// Array handles and calls for the tests: owned handles, matrix literals, and the argument-vector
// entries run on matrices.
#pragma once

#include "mx.h"
#include "rt/Array.h"
#include "rt/Error.h"
#include "rt/Testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kesttest
{

using Entry = void (*)(int nlhs, mxArray *plhs[], int nrhs, mxArray *prhs[]);

using rttest::errorOf;
using rttest::Owned;

// A matrix written row by row.
inline rt::Matrix rows(std::initializer_list<std::initializer_list<double>> values)
{
    const auto r = static_cast<rt::Index>(values.size());
    const auto c = r == 0 ? 0 : static_cast<rt::Index>(values.begin()->size());
    rt::Matrix m(r, c);
    rt::Index i = 0;
    for (const auto &row : values) {
        rt::Index j = 0;
        for (double v : row)
            m(i, j++) = v;
        ++i;
    }
    return m;
}

inline rt::Matrix column(std::initializer_list<double> values)
{
    rt::Matrix m(static_cast<rt::Index>(values.size()), 1);
    std::copy(values.begin(), values.end(), m.data());
    return m;
}

inline rt::Matrix scalar(double v)
{
    return rt::Matrix::Constant(1, 1, v);
}

// Runs entry with nlhs outputs on copies of inputs; returns the stored outputs (at least one).
inline std::vector<rt::Matrix> call(Entry entry, int nlhs, const std::vector<rt::Matrix> &inputs)
{
    std::vector<std::unique_ptr<Owned>> owned;
    std::vector<mxArray *> prhs;
    for (const rt::Matrix &m : inputs) {
        owned.push_back(std::make_unique<Owned>(m));
        prhs.push_back(owned.back()->a);
    }
    std::vector<mxArray *> plhs(static_cast<std::size_t>(std::max(nlhs, 1)), nullptr);
    entry(nlhs, plhs.data(), static_cast<int>(prhs.size()), prhs.data());
    std::vector<rt::Matrix> outputs;
    for (mxArray *p : plhs) {
        outputs.push_back(rt::valueOf(p));
        mxDestroyArray(p);
    }
    return outputs;
}

// Relative difference |got - want| / max(|want|, 1); 0 when both are NaN, infinite when only one
// is.
inline double difference(double got, double want)
{
    if (std::isnan(got) || std::isnan(want))
        return std::isnan(got) && std::isnan(want) ? 0 : INFINITY;
    if (got == want)
        return 0;
    return std::abs(got - want) / std::max(std::abs(want), 1.0);
}

// Same shape and the same bits in every element.
inline bool sameBits(const rt::Matrix &a, const rt::Matrix &b)
{
    return a.rows() == b.rows() && a.cols() == b.cols() &&
           std::equal(a.data(), a.data() + a.size(), b.data(), [](double x, double y) {
               return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
           });
}

} // namespace kesttest
