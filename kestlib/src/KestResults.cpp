#include "KestResults.h"

namespace kestlib
{

namespace
{

rt::Matrix stacked(rt::Index tables, rt::Index rowsPerTable, rt::Index cols)
{
    return tables == 0 ? rt::Matrix() : rt::Matrix(tables * rowsPerTable, cols);
}

} // namespace

KestResults::KestResults(rt::Index tables, rt::Index nrows, rt::Index cols)
    : KXw(stacked(tables, nrows, cols)), KRR(stacked(tables, cols, cols)),
      KwR(stacked(tables, nrows, cols)), KA(stacked(tables, nrows, cols)),
      Kdsq(stacked(tables, 1, 1)), Kd(stacked(tables, 1, 1)), KCfcombo(stacked(tables, cols, 2)),
      KCicombo(stacked(tables, nrows, 2)), KSCicombo(stacked(tables, nrows, 2)),
      KChcombo(stacked(tables, cols, 2)), KSChcombo(stacked(tables, cols, 2)),
      Kmo(tables + 1, cols), Kvar(tables + 1, cols), Kstdev(tables + 1, cols), Kcv(tables + 1, cols)
{
}

rt::Outputs KestResults::release() &&
{
    rt::Outputs outputs;
    for (rt::Matrix *m : {&Xtz, &KXw, &KRR, &KwR, &KA, &Kdsq, &Kd, &KCfcombo, &KCicombo, &KSCicombo,
                          &KChcombo, &KSChcombo, &Kmo, &Kvar, &Kstdev, &Kcv})
        outputs.emplace_back(std::move(*m));
    return outputs;
}

} // namespace kestlib
