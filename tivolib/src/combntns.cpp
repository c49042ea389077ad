#include "combntns.h"

#include "combinations.h"

#include "rt/Error.h"

#include <cmath>

namespace tivolib
{

const rt::Signature combntnsSignature{"combntns", 1, 2, 1, {"choicevec", "choose"}, {"out"}};

namespace
{

const char *const kNotAVector = "Input choices must be a vector";

rt::Index fillLexicographic(std::span<const double> v, rt::Index k, Block at)
{
    if (static_cast<rt::Index>(v.size()) == k)
        return fillWhole(v, at);
    if (k == 1)
        return fillSingles(v, at);
    return fillByLeadingElement(v, k, at, fillLexicographic);
}

} // namespace

rt::Matrix combntns(const rt::Matrix &choicevec, const rt::Matrix &choose)
{
    if (std::min(choicevec.rows(), choicevec.cols()) != 1)
        rt::raise(kNotAVector);
    if (std::max(choose.rows(), choose.cols()) != 1)
        rt::raise("Input choose must be a scalar");
    const double k = choose(0, 0);
    const auto choices = static_cast<double>(choicevec.size());
    if (choices < k)
        rt::raise("Not enough choices to choose that many");
    // Taking one element off per level, a choose below 1 or with a fraction reaches an empty
    // vector before it reaches a size it can take.
    if (!(k >= 1 && k == std::floor(k)))
        rt::raise(kNotAVector);
    rt::Matrix out = combinationMatrix(choicevec.size(), static_cast<rt::Index>(k));
    fillLexicographic(elementsOf(choicevec), static_cast<rt::Index>(k), Block{out, 0, 0});
    return out;
}

rt::Outputs Mcombntns(int, const rt::Args &args)
{
    if (!args.given(0) || !args.given(1))
        rt::raise("Incorrect number of arguments");
    return {combntns(args[0], args[1])};
}

} // namespace tivolib
