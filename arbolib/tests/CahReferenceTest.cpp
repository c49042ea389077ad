// The incremental classification against the direct one, which recomputes every index from the
// merged table at every step.
#include "Arrays.h"
#include "ReferenceCah.h"
#include "Tables.h"

#include <gtest/gtest.h>

namespace arbotest
{
namespace
{

// Real-valued outputs agree to rounding; the tolerance is far above the few ulps by which the
// two ways of summing differ and far below any real difference (the values are O(1)).
constexpr double tolerance = 1e-10;

struct Kind {
    const char *name;
    rt::Matrix (*table)(rt::Index n, rt::Index c, std::mt19937 &rng);
    bool integer; // integer tables give bit-identical indices, so every tie is decided alike
};

rt::Matrix countsWithRepeats(rt::Index n, rt::Index c, std::mt19937 &rng)
{
    return repeatedRows(randomCounts(std::max<rt::Index>(2, n / 4), c, rng), n, {1, 2, 3, 7}, rng);
}

rt::Matrix weightsWithRepeats(rt::Index n, rt::Index c, std::mt19937 &rng)
{
    return repeatedRows(randomWeights(std::max<rt::Index>(2, n / 3), c, rng), n, {1, 2, 4}, rng);
}

const Kind kinds[] = {{"counts", randomCounts, true},
                      {"weights", randomWeights, false},
                      {"counts with repeated rows", countsWithRepeats, true},
                      {"weights with repeated rows", weightsWithRepeats, false}};

void expectSameClassification(const CahCall &call, const arbolib::reference::CahResult &expected,
                              bool integer)
{
    const rt::Matrix &Z = call[0];
    ASSERT_EQ(Z.rows(), expected.Z.rows());
    ASSERT_EQ(Z.cols(), 7);
    for (const rt::Index exactColumn : {0, 1, 6}) {
        EXPECT_EQ(Z.col(exactColumn), expected.Z.col(exactColumn)) << "column " << exactColumn + 1;
    }
    if (integer) {
        EXPECT_EQ(Z.col(2), expected.Z.col(2)) << "indices of integer tables are bit-identical";
    }
    EXPECT_LT((Z.middleCols(2, 4) - expected.Z.middleCols(2, 4)).cwiseAbs().maxCoeff(), tolerance);
    EXPECT_EQ(call[1], expected.L);
    EXPECT_EQ(call[9], expected.Q);
    EXPECT_EQ(call[10], expected.T);
    EXPECT_EQ(call[11], expected.Out);
    const rt::Matrix *near[] = {&expected.rowp, &expected.mass, &expected.cor, &expected.ctr,
                                &expected.dx,   &expected.cod,  &expected.ctd};
    for (std::size_t k = 0; k < 7; ++k) {
        const rt::Matrix &got = call[k + 2];
        ASSERT_EQ(got.rows(), near[k]->rows()) << "output " << k + 3;
        ASSERT_EQ(got.cols(), near[k]->cols()) << "output " << k + 3;
        EXPECT_LT((got - *near[k]).cwiseAbs().maxCoeff(), tolerance) << "output " << k + 3;
    }
}

class AgainstDirectMethod : public Library
{
};

TEST_F(AgainstDirectMethod, GeneratedTablesGiveTheSameClassification)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<rt::Index> rows(2, 40), columns(2, 6);
    for (const Kind &kind : kinds)
        for (int trial = 0; trial < 25; ++trial) {
            const rt::Index n = rows(rng);
            const rt::Matrix X = kind.table(n, columns(rng), rng);
            const double cutoff = std::uniform_int_distribution<rt::Index>(0, n + 1)(rng);
            SCOPED_TRACE(::testing::Message() << kind.name << ", trial " << trial << ", " << n
                                              << " rows, cutoff " << cutoff);
            CahCall call;
            callCah(call, X, 0, cutoff);
            expectSameClassification(call, arbolib::reference::cah(X, cutoff), kind.integer);
        }
}

TEST_F(AgainstDirectMethod, LargerTablesWithManyTies)
{
    std::mt19937 rng(7);
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        const rt::Matrix X = kind.table(100, 5, rng);
        CahCall call;
        callCah(call, X, 0, 6);
        expectSameClassification(call, arbolib::reference::cah(X, 6), kind.integer);
    }
}

TEST_F(AgainstDirectMethod, CodedCasesGiveTheSameClassificationAsTheirIndicatorTable)
{
    std::mt19937 rng(11);
    for (int trial = 0; trial < 20; ++trial) {
        const rt::Matrix codes = randomCodes(30, {2, 3, 4}, rng);
        CahCall call;
        callCah(call, codes, 1, 4);
        ASSERT_EQ(call[11].cols(), 9);
        expectSameClassification(call, arbolib::reference::cah(call[11], 4), true);
    }
}

} // namespace
} // namespace arbotest
