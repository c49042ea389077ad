#include "kest.h"

#include "KestResults.h"
#include "PairCorrelator.h"
#include "TableRotation.h"
#include "ranks.h"
#include "zscore.h"

#include "rt/Error.h"

#include <cmath>

namespace kestlib
{

namespace
{

const std::vector<std::string> outputNames{
    "Xtz",      "KXw",       "KRR",      "KwR",       "KA",  "Kdsq", "Kd",     "KCfcombo",
    "KCicombo", "KSCicombo", "KChcombo", "KSChcombo", "Kmo", "Kvar", "Kstdev", "Kcv"};

// The shapes the computation needs; anything else would index past a table or compare
// variables that do not correspond.
rt::Index checkedObjectCount(const rt::Matrix &Xt, const rt::Matrix &Xw, const rt::Matrix &nrows)
{
    if (nrows.size() != 1 || !(nrows(0) >= 2) || nrows(0) != std::floor(nrows(0)))
        rt::raise("nrows must be a whole number of at least 2.");
    if (Xt.cols() < 2)
        rt::raise("The tables must have at least two variables.");
    if (static_cast<double>(Xt.rows()) != nrows(0))
        rt::raise("Xt must have nrows rows.");
    if (Xw.rows() > 0 && Xw.cols() != Xt.cols())
        rt::raise("Xw must have as many columns as Xt.");
    return Xt.rows();
}

} // namespace

const rt::Signature kestSignature{"kest", 3, 3, 16, {"Xt", "Xw", "nrows"}, outputNames};

rt::Outputs Mkest(int, const rt::Args &args)
{
    const rt::Matrix &Xt = args[0];
    const rt::Matrix &Xw = args[1];
    const rt::Index nrows = checkedObjectCount(Xt, Xw, args[2]);
    // Rows after the last whole table are not a table.
    const rt::Index tables = Xw.rows() / nrows;

    KestResults K(tables, nrows, Xt.cols());
    K.Xtz = zscore(Xt);
    describeTable(Xt, 0, K);
    const rt::Matrix XtzRowRanks = ranks(K.Xtz.transpose());
    PairCorrelator pair;
    for (rt::Index t = 0; t < tables; ++t)
        rotateTable(Xw.middleRows(t * nrows, nrows), t, XtzRowRanks, K, pair);
    return std::move(K).release();
}

} // namespace kestlib
