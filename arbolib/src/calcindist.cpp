#include "calcindist.h"

#include "ChiSquareRows.h"

namespace arbolib
{

const rt::Signature calcindistSignature{"calcindist", 8, 1, 1, {"X"}, {"Y"}};

rt::RowVector calcindist(const rt::Matrix &X)
{
    return ChiSquareRows(X).indexVector();
}

rt::Outputs Mcalcindist(int, const rt::Args &args)
{
    return {rt::Matrix(calcindist(args[0]))};
}

} // namespace arbolib
