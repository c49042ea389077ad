#include "remainder.h"

#include "capacity.h"

#include "rt/Error.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace tivolib
{

const rt::Signature remainderSignature{"remainder", 3, 2, 1, {"r", "novars"}, {"c"}};

namespace
{

// The distinct numbers of r among 1 to n, ascending.
std::vector<double> presentAmong(const rt::Matrix &r, double n)
{
    std::vector<double> present;
    present.reserve(static_cast<std::size_t>(r.size()));
    for (double x : r.reshaped())
        if (x >= 1 && x <= n && x == std::floor(x))
            present.push_back(x);
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    return present;
}

[[noreturn]] void raiseTooMany(double n)
{
    std::ostringstream message;
    message << "The numbers remaining from 1 to " << n << " are too many to hold in memory.";
    rt::raise(message.str());
}

} // namespace

rt::RowVector remainder(const rt::Matrix &r, double novars)
{
    const double n = novars >= 1 ? std::floor(novars) : 0;
    const std::vector<double> present = presentAmong(r, n);
    const double remaining = n - static_cast<double>(present.size());
    if (!fitsInMemory(remaining))
        raiseTooMany(n);

    rt::RowVector c(static_cast<rt::Index>(remaining));
    rt::Index at = 0;
    auto next = present.begin();
    for (double i = 1; at < c.size(); ++i) {
        if (next != present.end() && *next == i) {
            ++next;
            continue;
        }
        c[at++] = i;
    }
    return c;
}

rt::Outputs Mremainder(int, const rt::Args &args)
{
    const rt::Matrix &r = args[0];
    const rt::Matrix &novars = args[1];
    // Counting up to novars takes its first element; an empty one counts nothing.
    const rt::RowVector c = novars.size() == 0 ? rt::RowVector() : remainder(r, novars(0, 0));
    if (c.size() == 0)
        return {std::nullopt};
    return {rt::Matrix(c)};
}

} // namespace tivolib
