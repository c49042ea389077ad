// Special functions checked against closed forms and Boost.Math's independent implementations.
#include "rt/MathFunctions.h"

#include <boost/math/special_functions/beta.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

TEST(Special, GammaincMatchesClosedFormsAndEdges)
{
    for (double x : {0.1, 1.0, 3.5, 20.0})
        EXPECT_NEAR(rt::gammainc(x, 1), -std::expm1(-x), 1e-15);
    EXPECT_EQ(rt::gammainc(0, 2), 0);
    EXPECT_EQ(rt::gammainc(INFINITY, 2), 1);
    EXPECT_EQ(rt::gammainc(3, 0), 1);
    EXPECT_TRUE(std::isnan(rt::gammainc(-1, 2)));
    EXPECT_TRUE(std::isnan(rt::gammainc(NAN, 2)));
}

TEST(Special, BetacoreGivesTheIncompleteBeta)
{
    // Within 1e-13 relative of Boost's ibeta wherever x lies below (a + 1) / (a + b + 2).
    for (double a : {0.5, 1.0, 2.5, 10.0, 150.0, 5000.0})
        for (double b : {0.5, 3.0, 40.0, 5000.0})
            for (double t : {0.01, 0.3, 0.7, 0.99}) {
                const double x = t * (a + 1) / (a + b + 2);
                // x^a (1 - x)^b / B(a, b), accurately.
                const double bt = boost::math::ibeta_derivative(a, b, x) * x * (1 - x);
                const double expected = boost::math::ibeta(a, b, x);
                const double got = bt * rt::betacore(x, a, b) / a;
                EXPECT_NEAR(got, expected, 1e-12 * std::max(expected, 1e-300))
                    << "a=" << a << " b=" << b << " x=" << x;
            }
    EXPECT_TRUE(std::isnan(rt::betacore(NAN, 1, 1)));
}

} // namespace
