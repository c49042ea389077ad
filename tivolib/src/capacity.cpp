#include "capacity.h"

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace tivolib
{

namespace
{

double physicalMemoryBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return std::numeric_limits<double>::infinity();
    return static_cast<double>(pages) * static_cast<double>(pageSize);
}

} // namespace

std::optional<rt::Index> binomial(rt::Index n, rt::Index k)
{
    k = std::min(k, n - k);
    constexpr auto limit = static_cast<unsigned __int128>(std::numeric_limits<rt::Index>::max());
    unsigned __int128 count = 1;
    // count = C(n - k + j, j) after step j, so every division is exact.
    for (rt::Index j = 1; j <= k; ++j) {
        count =
            count * static_cast<unsigned __int128>(n - k + j) / static_cast<unsigned __int128>(j);
        if (count > limit)
            return std::nullopt;
    }
    return static_cast<rt::Index>(count);
}

bool fitsInMemory(double elements)
{
    // Asked once: the system call is costly next to the small results checked most often.
    static const double available = physicalMemoryBytes();
    return elements * sizeof(double) <= available;
}

} // namespace tivolib
