// kest checked against an independent computation in long double (its own standardising, SVD,
// ranks and Boost's t distribution) and on the cases whose results are known in closed form.
#include "Arrays.h"
#include "kestlib.h"

#include <boost/math/distributions/students_t.hpp>

#include <Eigen/SVD>

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace
{

using namespace kesttest;
using Real = long double;
using LMatrix = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using LVector = Eigen::Matrix<Real, Eigen::Dynamic, 1>;

constexpr int outputCount = 16;
const char *const outputNames[outputCount] = {
    "Xtz",      "KXw",       "KRR",      "KwR",       "KA",  "Kdsq", "Kd",     "KCfcombo",
    "KCicombo", "KSCicombo", "KChcombo", "KSChcombo", "Kmo", "Kvar", "Kstdev", "Kcv"};

using Results = std::array<rt::Matrix, outputCount>;

Results kest(const rt::Matrix &Xt, const rt::Matrix &Xw, double nrows)
{
    Owned xt(Xt), xw(Xw), n(scalar(nrows));
    std::array<Owned, outputCount> out;
    out[0].a = mlfKest(&out[1].a, &out[2].a, &out[3].a, &out[4].a, &out[5].a, &out[6].a, &out[7].a,
                       &out[8].a, &out[9].a, &out[10].a, &out[11].a, &out[12].a, &out[13].a,
                       &out[14].a, &out[15].a, xt.a, xw.a, n.a);
    Results results;
    for (int i = 0; i < outputCount; ++i)
        results[static_cast<std::size_t>(i)] = out[static_cast<std::size_t>(i)].value();
    return results;
}

class Kest : public testing::Test
{
  protected:
    void SetUp() override { kestlibInitialize(); }
    void TearDown() override { kestlibTerminate(); }
};

// ---- The independent computation ----

Real meanOf(const LVector &x)
{
    return x.sum() / static_cast<Real>(x.size());
}

Real stdevOf(const LVector &x)
{
    return std::sqrt((x.array() - meanOf(x)).square().sum() / static_cast<Real>(x.size() - 1));
}

LMatrix standardised(const LMatrix &X)
{
    LMatrix Z(X.rows(), X.cols());
    for (Eigen::Index j = 0; j < X.cols(); ++j) {
        const LVector x = X.col(j);
        const Real sd = (x.array() == x(0)).all() ? 0 : stdevOf(x);
        Z.col(j) = sd == 0 ? LVector::Zero(x.size()) : LVector((x.array() - meanOf(x)) / sd);
    }
    return Z;
}

Real pearson(const LVector &a, const LVector &b)
{
    const LVector u = a.array() - meanOf(a), v = b.array() - meanOf(b);
    return u.dot(v) / std::sqrt(u.squaredNorm() * v.squaredNorm());
}

// Rank i = 1 + (values below) + (other values equal) / 2, counted directly.
LVector ranked(const LVector &x)
{
    LVector r(x.size());
    for (Eigen::Index i = 0; i < x.size(); ++i) {
        Real below = 0, equal = 0;
        for (Eigen::Index j = 0; j < x.size(); ++j) {
            below += x(j) < x(i);
            equal += x(j) == x(i);
        }
        r(i) = 1 + below + (equal - 1) / 2;
    }
    return r;
}

// The two-sided p-value of coefficient r over vectors of length n, by Boost's t distribution.
double pValue(double r, Eigen::Index n)
{
    const double df = static_cast<double>(n - 2);
    if (df <= 0 || std::isnan(r))
        return NAN;
    const double eps = std::numeric_limits<double>::epsilon();
    const double t = std::abs(r) * std::sqrt(std::abs(df / (1 - (r - 10 * eps) * (r - 10 * eps))));
    return 2 * boost::math::cdf(boost::math::complement(boost::math::students_t(df), t));
}

double difference(const rt::Matrix &got, const LMatrix &want)
{
    if (got.rows() != want.rows() || got.cols() != want.cols())
        return INFINITY;
    double worst = 0;
    for (Eigen::Index k = 0; k < got.size(); ++k)
        worst = std::max(worst, kesttest::difference(got(k), static_cast<double>(want(k))));
    return worst;
}

// Every output of kest on (Xt, Xw) against the independent computation; p-values at the
// coefficients kest returned.
void expectIndependentAgreement(const rt::Matrix &Xt, const rt::Matrix &Xw, Eigen::Index m)
{
    const Results got = kest(Xt, Xw, static_cast<double>(m));
    const Eigen::Index c = Xt.cols(), N = Xw.rows() / m;
    // Rows per table and columns of outputs 2 to 12; 13 to 16 have a row per table.
    const std::array<std::pair<Eigen::Index, Eigen::Index>, 11> blocks{
        {{m, c}, {c, c}, {m, c}, {m, c}, {1, 1}, {1, 1}, {c, 2}, {m, 2}, {m, 2}, {c, 2}, {c, 2}}};
    std::array<LMatrix, outputCount> want;
    const LMatrix Xtz = standardised(Xt.cast<Real>());
    want[0] = Xtz;
    for (std::size_t i = 1; i < 12; ++i)
        want[i] = LMatrix(N * blocks[i - 1].first, blocks[i - 1].second);
    for (std::size_t i = 12; i < 16; ++i)
        want[i] = LMatrix(N + 1, c);

    auto describe = [&](const LMatrix &T, Eigen::Index row) {
        for (Eigen::Index j = 0; j < c; ++j) {
            const LVector x = T.col(j);
            const Real sd = stdevOf(x);
            want[12](row, j) = meanOf(x);
            want[13](row, j) = sd * sd;
            want[14](row, j) = sd;
            want[15](row, j) = sd / meanOf(x) * 100;
        }
    };
    auto pair = [&](int output, Eigen::Index row, const LVector &a, const LVector &b) {
        want[static_cast<std::size_t>(output)](row, 0) = pearson(a, b);
        const double r = got[static_cast<std::size_t>(output)](row, 0);
        want[static_cast<std::size_t>(output)](row, 1) = pValue(r, a.size());
    };
    describe(Xt.cast<Real>(), 0);
    for (Eigen::Index t = 0; t < N; ++t) {
        const LMatrix T = Xw.middleRows(t * m, m).cast<Real>();
        describe(T, t + 1);
        const LMatrix Xwz = standardised(T);
        const LMatrix XX = Xwz.transpose() * Xtz;
        Eigen::JacobiSVD<LMatrix> svd(XX, Eigen::ComputeFullU | Eigen::ComputeFullV);
        const LMatrix RR = svd.matrixU() * svd.matrixV().transpose();
        const LMatrix wR = Xwz * RR;
        const LMatrix A = Xtz - wR;
        want[1].middleRows(t * m, m) = Xwz;
        want[2].middleRows(t * c, c) = RR;
        want[3].middleRows(t * m, m) = wR;
        want[4].middleRows(t * m, m) = A;
        want[5](t, 0) = A.squaredNorm();
        want[6](t, 0) = A.norm();
        for (Eigen::Index j = 0; j < c; ++j) {
            pair(7, t * c + j, Xtz.col(j), wR.col(j));
            pair(10, t * c + j, Xwz.col(j), wR.col(j));
            pair(11, t * c + j, ranked(Xwz.col(j)), ranked(wR.col(j)));
        }
        for (Eigen::Index i = 0; i < m; ++i) {
            const LVector target = Xtz.row(i).transpose(), rotated = wR.row(i).transpose();
            pair(8, t * m + i, target, rotated);
            pair(9, t * m + i, ranked(target), ranked(rotated));
        }
    }
    for (int i = 0; i < outputCount; ++i)
        EXPECT_LE(difference(got[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)]),
                  1e-10)
            << outputNames[i];
}

rt::Matrix normalTable(std::mt19937_64 &random, Eigen::Index rowCount, Eigen::Index c,
                       double mean = 10)
{
    std::normal_distribution<double> normal(mean, 3);
    rt::Matrix X(rowCount, c);
    for (double &v : X.reshaped())
        v = normal(random);
    return X;
}

// Answers on a 1 to 5 scale: many ties and repeated objects.
rt::Matrix likertTable(std::mt19937_64 &random, Eigen::Index rowCount, Eigen::Index c)
{
    std::uniform_int_distribution<int> answer(1, 5);
    rt::Matrix X(rowCount, c);
    for (double &v : X.reshaped())
        v = answer(random);
    return X;
}

TEST_F(Kest, AgreesWithAnIndependentComputation)
{
    std::mt19937_64 random(2024);
    struct Shape {
        Eigen::Index m, c, N;
        double mean;
    };
    // The last shape is the benchmark's size; the one before sits far from zero.
    for (const Shape s :
         {Shape{3, 2, 2, 10}, Shape{8, 3, 2, 10}, Shape{12, 4, 1, 10}, Shape{30, 5, 3, 10},
          Shape{60, 10, 2, -4}, Shape{20, 3, 2, 1e7}, Shape{200, 20, 1, 10}}) {
        SCOPED_TRACE("m " + std::to_string(s.m) + " c " + std::to_string(s.c));
        const rt::Matrix Xt = normalTable(random, s.m, s.c, s.mean);
        // Each table a noisy mixture of the target's variables, so correlations vary.
        rt::Matrix Xw(s.N * s.m, s.c);
        for (Eigen::Index t = 0; t < s.N; ++t) {
            const rt::Matrix mix =
                rt::Matrix::Identity(s.c, s.c) + 0.4 * normalTable(random, s.c, s.c, 0) / 3;
            Xw.middleRows(t * s.m, s.m) = Xt * mix + normalTable(random, s.m, s.c, 0);
        }
        expectIndependentAgreement(Xt, Xw, s.m);
    }
}

TEST_F(Kest, AgreesOnTiedDataWithRepeatedObjects)
{
    std::mt19937_64 random(99);
    for (const auto &[m, c] : {std::pair<Eigen::Index, Eigen::Index>{40, 4}, {25, 3}, {15, 6}}) {
        SCOPED_TRACE("m " + std::to_string(m));
        rt::Matrix Xt = likertTable(random, m, c);
        rt::Matrix Xw = likertTable(random, 2 * m, c);
        // Repeat objects in both tables so ties reach the rotated columns.
        Xt.row(1) = Xt.row(0);
        Xw.row(1) = Xw.row(0);
        Xw.row(m + 1) = Xw.row(m);
        Xt.row(m - 1) = Xt.row(0);
        Xw.row(m - 1) = Xw.row(0);
        expectIndependentAgreement(Xt, Xw, m);
    }
}

TEST_F(Kest, IdenticalObjectsGiveIdenticalRows)
{
    std::mt19937_64 random(5);
    const Eigen::Index m = 23, c = 7;
    rt::Matrix Xt = normalTable(random, m, c), Xw = normalTable(random, m, c);
    for (Eigen::Index i : {4, 11, 22}) {
        Xt.row(i) = Xt.row(0);
        Xw.row(i) = Xw.row(0);
    }
    const Results K = kest(Xt, Xw, m);
    for (int o : {0, 1, 3, 4, 8, 9})
        for (Eigen::Index i : {4, 11, 22})
            EXPECT_TRUE(sameBits(K[static_cast<std::size_t>(o)].row(i),
                                 K[static_cast<std::size_t>(o)].row(0)))
                << outputNames[o] << " row " << i;
    // The repeated object ties in every rotated column, so Spearman sees the same ties before
    // and after rotation.
    for (Eigen::Index j = 0; j < c; ++j)
        EXPECT_EQ(K[3](4, j), K[3](0, j));
}

TEST_F(Kest, ShapesWithOneFurtherTableAndWithNone)
{
    const rt::Matrix Xt = rows({{1, 2, 0}, {2, 1, 1}, {4, 4, 3}, {0, 3, 1}});
    const Results one = kest(Xt, Xt.reverse(), 4);
    const std::array<std::pair<Eigen::Index, Eigen::Index>, outputCount> shapes{{{4, 3},
                                                                                 {4, 3},
                                                                                 {3, 3},
                                                                                 {4, 3},
                                                                                 {4, 3},
                                                                                 {1, 1},
                                                                                 {1, 1},
                                                                                 {3, 2},
                                                                                 {4, 2},
                                                                                 {4, 2},
                                                                                 {3, 2},
                                                                                 {3, 2},
                                                                                 {2, 3},
                                                                                 {2, 3},
                                                                                 {2, 3},
                                                                                 {2, 3}}};
    for (int i = 0; i < outputCount; ++i)
        EXPECT_EQ(std::make_pair(one[static_cast<std::size_t>(i)].rows(),
                                 one[static_cast<std::size_t>(i)].cols()),
                  shapes[static_cast<std::size_t>(i)])
            << outputNames[i];

    // No further table (no rows, or fewer rows than a table; extra rows are not a table).
    for (const rt::Matrix &Xw : {rt::Matrix(0, 3), rt::Matrix(0, 0), rt::Matrix(Xt.topRows(3))}) {
        const Results none = kest(Xt, Xw, 4);
        EXPECT_EQ(none[0].rows(), 4);
        for (int i = 1; i < 12; ++i)
            EXPECT_EQ(none[static_cast<std::size_t>(i)].size(), 0) << outputNames[i];
        EXPECT_EQ(none[12].rows(), 1);
        EXPECT_EQ(none[12], one[12].topRows(1));
    }
    rt::Matrix longer(6, 3);
    longer << Xt.reverse(), Xt.topRows(2);
    EXPECT_TRUE(sameBits(kest(Xt, longer, 4)[2], one[2]));
}

// Tables that are the target with its columns rearranged: the rotation undoes it exactly.
TEST_F(Kest, KnownRotations)
{
    std::mt19937_64 random(3);
    const rt::Matrix Xt = normalTable(random, 9, 4);
    rt::Matrix permutation = rt::Matrix::Zero(4, 4);
    permutation(0, 2) = permutation(1, 0) = permutation(2, 3) = permutation(3, 1) = 1;
    rt::Matrix reflection = rt::Matrix::Identity(4, 4);
    reflection(1, 1) = -1;
    struct Case {
        const char *name;
        rt::Matrix mix;
    };
    for (const Case &c : {Case{"same", rt::Matrix::Identity(4, 4)}, Case{"permuted", permutation},
                          Case{"negated column", reflection}}) {
        const Results K = kest(Xt, Xt * c.mix, 9);
        EXPECT_LT((K[2] - c.mix.transpose()).cwiseAbs().maxCoeff(), 1e-13) << c.name;
        EXPECT_LT(K[5](0), 1e-25) << c.name;
        EXPECT_LT((K[7].col(0).array() - 1).abs().maxCoeff(), 1e-13) << c.name;
        EXPECT_LT(K[7].col(1).maxCoeff(), 1e-6) << c.name;
    }
    EXPECT_NEAR(kest(Xt, Xt * reflection, 9)[2].determinant(), -1, 1e-13);
}

TEST_F(Kest, ConstantColumnsAndTooFewDegreesOfFreedom)
{
    // A constant column standardises to zeros; its correlations are NaN.
    const rt::Matrix Xt = rows({{1, 0.1, 3}, {2, 0.1, 1}, {4, 0.1, 2}, {3, 0.1, 5}});
    const Results K = kest(Xt, rows({{2, 1, 1}, {1, 3, 2}, {5, 5, 4}, {4, 1, 4}}), 4);
    EXPECT_EQ(K[0].col(1), rt::Vector::Zero(4));
    EXPECT_EQ(K[14](0, 1), 0);
    EXPECT_EQ(K[12](0, 1), 0.1);
    EXPECT_TRUE(std::isnan(K[7](1, 0)) && std::isnan(K[7](1, 1)));
    EXPECT_FALSE(std::isnan(K[7](0, 0)));

    // Two objects: no p-value per variable; two variables: none per object.
    const Results two = kest(rows({{1, 2}, {3, 1}}), rows({{2, 2}, {1, 5}}), 2);
    for (int o : {7, 8, 9, 10, 11})
        EXPECT_TRUE(two[static_cast<std::size_t>(o)].col(1).array().isNaN().all())
            << outputNames[o];
}

TEST_F(Kest, ShapesThatDoNotFitFailWithAMessage)
{
    const rt::Matrix Xt = rows({{1, 2}, {2, 1}, {4, 4}});
    struct Case {
        rt::Matrix Xt, Xw;
        double nrows;
        const char *message;
    };
    const Case cases[] = {
        {Xt, Xt, 1, "nrows must be a whole number of at least 2."},
        {Xt, Xt, 2.5, "nrows must be a whole number of at least 2."},
        {Xt, Xt, NAN, "nrows must be a whole number of at least 2."},
        {Xt, Xt, 1e300, "Xt must have nrows rows."},
        {Xt, Xt, 2, "Xt must have nrows rows."},
        {Xt.col(0), Xt.col(0), 3, "The tables must have at least two variables."},
        {Xt, rows({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}), 3, "Xw must have as many columns as Xt."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(errorOf([&] { kest(c.Xt, c.Xw, c.nrows); }), c.message);

    Owned xt(Xt), n(rows({{3, 3}}));
    EXPECT_EQ(errorOf([&] {
                  mlfKest(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, xt.a, xt.a,
                          n.a);
              }),
              "nrows must be a whole number of at least 2.");
}

} // namespace
