#include "combinations.h"

#include "capacity.h"

#include "rt/Error.h"

#include <string>

namespace tivolib
{

rt::Matrix combinationMatrix(rt::Index n, rt::Index k)
{
    const std::optional<rt::Index> rows = binomial(n, k);
    if (!rows || !fitsInMemory(static_cast<double>(*rows) * static_cast<double>(k)))
        rt::raise("The combinations of " + std::to_string(n) + " elements taken " +
                  std::to_string(k) + " at a time are too many to hold in memory.");
    return rt::Matrix::Zero(*rows, k);
}

std::span<const double> elementsOf(const rt::Matrix &v)
{
    return {v.data(), static_cast<std::size_t>(v.size())};
}

rt::Index fillWhole(std::span<const double> v, Block at)
{
    for (std::size_t j = 0; j < v.size(); ++j)
        at.out(at.top, at.left + static_cast<rt::Index>(j)) = v[j];
    return 1;
}

rt::Index fillSingles(std::span<const double> v, Block at)
{
    for (std::size_t i = 0; i < v.size(); ++i)
        at.out(at.top + static_cast<rt::Index>(i), at.left) = v[i];
    return static_cast<rt::Index>(v.size());
}

rt::Index fillByLeadingElement(std::span<const double> v, rt::Index k, Block at, Filler inner)
{
    const auto n = static_cast<rt::Index>(v.size());
    rt::Index written = 0;
    for (rt::Index i = 0; i <= n - k; ++i) {
        const Block rest{at.out, at.top + written, at.left + 1};
        const rt::Index rows = inner(v.subspan(static_cast<std::size_t>(i + 1)), k - 1, rest);
        at.out.block(rest.top, at.left, rows, 1).setConstant(v[static_cast<std::size_t>(i)]);
        written += rows;
    }
    return written;
}

} // namespace tivolib
