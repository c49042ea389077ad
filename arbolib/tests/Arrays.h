// Helpers for calling arbolib through its C interface in tests.
#pragma once

#include "arbolib.h"
#include "rt/Array.h"
#include "rt/Error.h"
#include "rt/Testing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace arbotest
{

using rttest::errorOf;
using rttest::Owned;

inline mxArray *toArray(const rt::Matrix &value)
{
    return rt::newArray(value);
}

inline mxArray *scalar(double value)
{
    return mxCreateDoubleScalar(value);
}

// All twelve outputs of the last mlfCah call, in order: Z, L, rowp, mass, cor, ctr, dx, cod, ctd,
// Q, T, Out.
struct CahCall {
    std::array<Owned, 12> outputs;
    const rt::Matrix &operator[](std::size_t i) const { return rt::valueOf(outputs[i].a); }
};

inline void callCah(CahCall &call, const mxArray *X, const mxArray *zeroone, const mxArray *cutoff)
{
    auto &o = call.outputs;
    for (Owned &output : o) {
        mxDestroyArray(output.a);
        output.a = nullptr;
    }
    o[0].a = mlfCah(&o[1].a, &o[2].a, &o[3].a, &o[4].a, &o[5].a, &o[6].a, &o[7].a, &o[8].a, &o[9].a,
                    &o[10].a, &o[11].a, const_cast<mxArray *>(X), const_cast<mxArray *>(zeroone),
                    const_cast<mxArray *>(cutoff));
}

inline void callCah(CahCall &call, const rt::Matrix &X, double zeroone, double cutoff)
{
    Owned x(toArray(X)), z(scalar(zeroone)), k(scalar(cutoff));
    callCah(call, x.a, z.a, k.a);
}

// Initialises the library around every test of a fixture.
class Library : public ::testing::Test
{
  protected:
    void SetUp() override { arbolibInitialize(); }
    void TearDown() override { arbolibTerminate(); }
};

} // namespace arbotest
