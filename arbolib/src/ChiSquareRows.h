// The rows of a table under the chi-square metric, as the working table of Ward's classification.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// Each row's counts, profile and mass, and the column masses. Rows can be merged into sums; the
// column masses depend on the column totals only, which merging leaves unchanged.
class ChiSquareRows
{
  public:
    explicit ChiSquareRows(const rt::Matrix &X);

    rt::Index rows() const { return counts_.cols(); }

    // Ward's aggregation index of rows a and b: ra rb / (ra + rb) times the squared chi-square
    // distance of their profiles, the rise of the within-group inertia if they were merged.
    // Summed column by column in order, so index(a, b) and index(b, a) are the same number, and
    // the same as the row-against-all-later-rows computation of the index vector gives.
    double index(rt::Index a, rt::Index b) const;

    // The indices of every two rows, in the order (1,2), (1,3), ..., (1,r), (2,3), ..., (r-1,r).
    rt::RowVector indexVector() const;

    // Row into becomes the sum of rows into and from, with the profile and mass of that sum.
    void merge(rt::Index into, rt::Index from);

  private:
    void setProfile(rt::Index t);

    rt::Matrix counts_; // c x r: column t holds row t of the table, so every row is contiguous
    rt::Matrix rowp_;   // c x r: the row profiles, counts over the row total
    rt::Vector ri_;     // row masses, row total over the table total
    rt::Vector cj_;     // column masses, column total over the table total
    double total_ = 0;  // the table total
};

} // namespace arbolib
