// Student's t distribution and the incomplete beta function, checked against Boost.Math's
// independent implementations over the range the library is used in.
#include "Arrays.h"
#include "KestLocal.h"
#include "LogGamma.h"
#include "betainc.h"
#include "normcdf.h"
#include "tcdf.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>

#include <cmath>
#include <limits>
#include <vector>

namespace
{

using namespace kesttest;

const double nan = std::numeric_limits<double>::quiet_NaN();

// Degrees of freedom from 1 to 10^4 and |x| up to 10^3, denser where the methods change.
std::vector<double> degreesOfFreedom()
{
    std::vector<double> v;
    for (double df = 1; df <= 40; ++df)
        v.push_back(df);
    for (double df : {47.0, 60.0, 98.0, 150.0, 198.0, 333.0, 500.0, 999.0, 1500.0, 2718.0, 5000.0,
                      7777.0, 9998.0, 10000.0, 2.5, 0.5})
        v.push_back(df);
    return v;
}

std::vector<double> abscissae()
{
    std::vector<double> x;
    for (double m : {1e-9, 1e-5, 1e-3, 0.01, 0.05, 0.1,  0.2,  0.3,   0.5,   0.7,
                     0.9,  1.0,  1.3,  1.7,  2.0,  2.5,  3.0,  4.0,   5.0,   6.5,
                     8.0,  10.0, 13.0, 17.0, 25.0, 40.0, 70.0, 100.0, 300.0, 1000.0}) {
        x.push_back(m);
        x.push_back(-m);
    }
    return x;
}

// 1e-12 relative, or 1e-300 absolute for the tiny values below it.
void expectAgrees(double got, double want, const std::string &where)
{
    EXPECT_LE(std::abs(got - want), std::max(1e-12 * std::abs(want), 1e-300))
        << where << " got " << got << " want " << want;
}

// Student's t distribution function by Boost.Math. Near 0 it takes F(x) = 1/2 + sign(x)
// I_z(1/2, v/2) / 2 with z = x^2 / (v + x^2) itself: the students_t of Boost 1.74 goes through
// ibetac there, which for a = b = 1/2 (df = 1) loses accuracy below |x| = 1e-7.
double studentT(double x, double v)
{
    if (std::abs(x) >= 1e-7)
        return boost::math::cdf(boost::math::students_t(v), x);
    const long double x2 = static_cast<long double>(x) * x;
    const long double half = boost::math::ibeta(0.5L, v / 2.0L, x2 / (v + x2)) / 2;
    return static_cast<double>(x < 0 ? 0.5L - half : 0.5L + half);
}

TEST(Tcdf, MatchesBoostStudentT)
{
    for (double v : degreesOfFreedom())
        for (double x : abscissae())
            expectAgrees(kestlib::tcdf(x, v), studentT(x, v),
                         "tcdf(" + std::to_string(x) + ", " + std::to_string(v) + ")");
}

TEST(Tcdf, OrderOfRules)
{
    struct Case {
        double x, v, p;
    };
    const Case cases[] = {
        {0, 1, 0.5},         {0, 2, 0.5},
        {0, 1e9, 0.5},       {0, 0.01, 0.5},
        {1, 1, 0.75},        {-1, 1, 0.25},
        {3, 0, nan},         {0, 0, nan},
        {1, -2, nan},        {nan, 5, nan},
        {1, nan, nan},       {INFINITY, 4, 1},
        {-INFINITY, 4, 0},   {INFINITY, 1, 1},
        {-INFINITY, 1e7, 0}, {2, INFINITY, kestlib::normcdf(2, 0, 1)},
    };
    for (const Case &c : cases) {
        const double p = kestlib::tcdf(c.x, c.v);
        EXPECT_TRUE(p == c.p || (std::isnan(p) && std::isnan(c.p)))
            << "tcdf(" << c.x << ", " << c.v << ") = " << p;
    }
    // From 10^7 degrees of freedom on, the normal distribution exactly; below, the t form.
    for (double x : {-3.0, 0.4, 2.5}) {
        EXPECT_EQ(kestlib::tcdf(x, 1e7), kestlib::normcdf(x, 0, 1));
        EXPECT_NE(kestlib::tcdf(x, 1e7 - 1), kestlib::normcdf(x, 0, 1));
        EXPECT_NEAR(kestlib::tcdf(x, 1e7 - 1), kestlib::normcdf(x, 0, 1), 1e-7);
    }
}

TEST(Tcdf, ArgumentVectorFormExpandsScalars)
{
    const auto p = call(kestlib::mlxKest_tcdf, 1, {rows({{0, 1}}), scalar(1)});
    EXPECT_EQ(p[0], rows({{0.5, 0.75}}));
    EXPECT_EQ(errorOf([] {
                  call(kestlib::mlxKest_tcdf, 1, {rows({{0, 1}}), rows({{1, 2, 3}})});
              }),
              "Run-time Error: Matrix dimensions must agree.");
}

TEST(Betainc, MatchesBoostIbetaWhereTcdfUsesIt)
{
    for (double v : degreesOfFreedom())
        for (double x : abscissae()) {
            if (x <= 0)
                continue;
            const double xx = v / (v + x * x);
            expectAgrees(kestlib::betainc(xx, v / 2, 0.5), boost::math::ibeta(v / 2, 0.5, xx),
                         "betainc(" + std::to_string(xx) + ", " + std::to_string(v / 2) + ", 0.5)");
        }
}

TEST(Betainc, MatchesBoostIbetaForGeneralParameters)
{
    for (double a : {0.5, 1.0, 2.0, 3.7, 9.5, 10.0, 30.0})
        for (double b : {0.25, 1.0, 4.5, 12.0, 25.0})
            for (double x : {1e-6, 0.01, 0.2, 0.5, 0.8, 0.99, 0.999999})
                expectAgrees(kestlib::betainc(x, a, b), boost::math::ibeta(a, b, x),
                             "betainc(" + std::to_string(x) + ", " + std::to_string(a) + ", " +
                                 std::to_string(b) + ")");
}

TEST(Betainc, LogGammaTermsAgreeWithBoost)
{
    // ln Gamma(a + b) - ln Gamma(a) - ln Gamma(b) to a few units of 1e-15 absolute, where the
    // plain difference of log-gamma values loses 1e-11.
    for (double a : {0.5, 3.0, 9.99, 10.0, 99.0, 4999.5, 5000.0, 1e6})
        for (double b : {0.5, 1.0, 7.0, 40.0}) {
            const long double want = -std::log(
                boost::math::beta(static_cast<long double>(a), static_cast<long double>(b)));
            EXPECT_NEAR(kestlib::logInverseBeta(a, b), static_cast<double>(want),
                        4e-15 * std::max(1.0L, std::abs(want)))
                << a << ", " << b;
        }
}

TEST(Betainc, EndsAndApproximations)
{
    EXPECT_EQ(kestlib::betainc(0.0, 2, 3), 0);
    EXPECT_EQ(kestlib::betainc(1.0, 2, 3), 1);
    EXPECT_TRUE(std::isnan(kestlib::betainc(nan, 2, 3)));
    // The continued fraction does not converge for these: the normal approximation takes over.
    EXPECT_NEAR(kestlib::betainc(0.5, 1e12, 1e12), 0.5, 1e-6);
    EXPECT_NEAR(kestlib::betainc(0.5 + 1e-6, 1e12, 1e12),
                boost::math::ibeta(1e12, 1e12, 0.5 + 1e-6), 1e-3);
}

TEST(Betainc, ArgumentChecksAndMessages)
{
    struct Case {
        std::vector<rt::Matrix> inputs;
        const char *message;
    };
    const Case cases[] = {
        {{scalar(0.5), scalar(1)}, "Requires three input arguments."},
        {{scalar(0.5), scalar(-1), scalar(1)}, "Z must be nonnegative."},
        {{scalar(0.5), rows({{1, nan}}), scalar(1)}, "Z must be nonnegative."},
        {{scalar(0.5), scalar(1), scalar(-0.1)}, "W must be nonnegative."},
        {{rows({{0.1, 0.2}}), rows({{1, 2, 3}}), scalar(1)},
         "X, Z and W must all the same size (or any of them can be scalar)."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(errorOf([&] { call(kestlib::mlxKest_betainc, 1, c.inputs); }), c.message);

    const auto y = call(kestlib::mlxKest_betainc, 1, {rows({{0, 0.5, 1}}), scalar(1), scalar(1)});
    EXPECT_LT((y[0] - rows({{0, 0.5, 1}})).cwiseAbs().maxCoeff(), 1e-15);
    EXPECT_EQ(call(kestlib::mlxKest_betainc, 1, {rt::Matrix(), scalar(1), scalar(1)})[0].size(), 0);
}

} // namespace
