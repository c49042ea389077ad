// The enumeration rules of combnk written out plainly, to check the library's row orders
// against: vectors of rows built by concatenation, and the subset table built column by column
// from blocks of zeros and ones.
#pragma once

#include "Arrays.h"

#include <map>
#include <vector>

namespace tivotest
{

// Row r holds the base-2 digits of r, column 0 the most significant; built as the blocks of
// 2^(j-1) zeros followed by 2^(j-1) ones that fill column n - j (from 0) for j = 1 to n.
inline const std::vector<std::vector<int>> &subsetTable(int n)
{
    static std::map<int, std::vector<std::vector<int>>> tables;
    auto [at, added] = tables.try_emplace(n);
    if (!added)
        return at->second;
    const int rows = 1 << n;
    at->second.assign(rows, std::vector<int>(n, 0));
    for (int j = 1; j <= n; ++j) {
        const int block = 1 << (j - 1);
        for (int r = 0; r < rows; ++r)
            at->second[r][n - j] = (r / block) % 2;
    }
    return at->second;
}

inline Rows referenceCombnk(const std::vector<double> &v, int k)
{
    const int n = static_cast<int>(v.size());
    if (n == k)
        return {v};
    Rows c;
    if (n == k + 1) {
        for (int i = 1; i <= n; ++i) {
            std::vector<double> row;
            for (int e = 1; e <= n; ++e)
                if (e != n + 1 - i)
                    row.push_back(v[e - 1]);
            c.push_back(row);
        }
        return c;
    }
    if (k == 1) {
        for (double e : v)
            c.push_back({e});
        return c;
    }
    if (n < 17 && (k > 3 || n - k < 4)) {
        for (const std::vector<int> &digits : subsetTable(n)) {
            int ones = 0;
            for (int d : digits)
                ones += d;
            if (ones != k)
                continue;
            std::vector<double> row;
            for (int p = 0; p < n; ++p)
                if (digits[p])
                    row.push_back(v[p]);
            c.push_back(row);
        }
        return c;
    }
    if (1 < k && k < n)
        for (int i = 1; i <= n - k + 1; ++i)
            for (std::vector<double> row :
                 referenceCombnk(std::vector<double>(v.begin() + i, v.end()), k - 1)) {
                row.insert(row.begin(), v[i - 1]);
                c.push_back(row);
            }
    return c;
}

} // namespace tivotest
