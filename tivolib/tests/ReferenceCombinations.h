// The enumeration rules of combnk written out plainly, to check the library's row orders
// against. A combination is the set of its positions (bit p for position p, from 0), which fixes
// its row since a row keeps its elements in order of position; the subset table is built column
// by column from blocks of zeros and ones.
#pragma once

#include <bit>
#include <cstdint>
#include <map>
#include <vector>

namespace tivotest
{

using Positions = std::uint32_t;

// Row r of the table of n digits, column 0 the most significant: column n - j (from 0) is made
// of blocks of 2^(j-1) zeros followed by 2^(j-1) ones, for j = 1 to n. Each row is kept as the
// set of the columns holding a one.
inline const std::vector<Positions> &subsetTable(int n)
{
    static std::map<int, std::vector<Positions>> tables;
    auto [at, added] = tables.try_emplace(n);
    if (!added)
        return at->second;
    const int rows = 1 << n;
    at->second.assign(static_cast<std::size_t>(rows), 0);
    for (int j = 1; j <= n; ++j) {
        const int block = 1 << (j - 1);
        for (int r = 0; r < rows; ++r)
            if ((r / block) % 2 == 1)
                at->second[static_cast<std::size_t>(r)] |= Positions{1} << (n - j);
    }
    return at->second;
}

// The combinations of the n positions first, first + 1, ... taken k at a time, in the order of
// the first of combnk's rules that applies.
inline std::vector<Positions> referenceCombnk(int first, int n, int k)
{
    const auto at = [first](int p) { return Positions{1} << (first + p - 1); }; // p from 1
    std::vector<Positions> c;
    if (n == k) {
        Positions all = 0;
        for (int p = 1; p <= n; ++p)
            all |= at(p);
        return {all};
    }
    if (n == k + 1) {
        for (int i = 1; i <= n; ++i) {
            Positions row = 0;
            for (int p = 1; p <= n; ++p)
                if (p != n + 1 - i)
                    row |= at(p);
            c.push_back(row);
        }
        return c;
    }
    if (k == 1) {
        for (int p = 1; p <= n; ++p)
            c.push_back(at(p));
        return c;
    }
    if (n < 17 && (k > 3 || n - k < 4)) {
        for (Positions columns : subsetTable(n)) {
            if (std::popcount(columns) != k)
                continue;
            Positions row = 0;
            for (int col = 0; col < n; ++col)
                if ((columns >> col) & 1u)
                    row |= at(col + 1);
            c.push_back(row);
        }
        return c;
    }
    if (1 < k && k < n)
        for (int i = 1; i <= n - k + 1; ++i)
            for (Positions rest : referenceCombnk(first + i, n - i, k - 1))
                c.push_back(at(i) | rest);
    return c;
}

} // namespace tivotest
