// The value type every numeric routine works on: a dense column-major matrix of doubles.
#pragma once

#include <Eigen/Dense>

namespace rt
{

using Matrix = Eigen::MatrixXd;
using Vector = Eigen::VectorXd;
using RowVector = Eigen::RowVectorXd;
using Index = Eigen::Index;

} // namespace rt
