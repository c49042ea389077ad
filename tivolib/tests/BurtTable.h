// Burt tables of random categorical data, for tests and benchmarks.
#pragma once

#include "rt/Matrix.h"

#include <random>
#include <vector>

namespace tivotest
{

struct Burt {
    rt::Matrix B; // H x H: the cross tables of every two variables, counts
    rt::Matrix h; // 1 x q: the number of categories of each variable
};

// N objects, q variables with 2 to 4 categories each, every category observed. The Burt table
// is Z'Z for the indicator matrix Z of the objects' categories.
inline Burt randomBurt(int q, int N, unsigned seed)
{
    std::mt19937 random(seed);
    Burt burt{rt::Matrix(), rt::Matrix(1, q)};
    std::vector<int> offset{0};
    for (int a = 0; a < q; ++a) {
        burt.h(0, a) = 2 + static_cast<int>(random() % 3);
        offset.push_back(offset.back() + static_cast<int>(burt.h(0, a)));
    }
    rt::Matrix Z = rt::Matrix::Zero(N, offset.back());
    for (int object = 0; object < N; ++object)
        for (int a = 0; a < q; ++a) {
            const int categories = static_cast<int>(burt.h(0, a));
            // The first objects cover every category; the rest are random.
            const int category =
                object < categories ? object : static_cast<int>(random() % categories);
            Z(object, offset[a] + category) = 1;
        }
    burt.B = Z.transpose() * Z;
    return burt;
}

} // namespace tivotest
