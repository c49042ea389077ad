// The zscore module: tables standardised column by column.
#pragma once

#include "rt/Frame.h"

namespace kestlib
{

extern const rt::Signature zscoreSignature;

rt::Outputs Mzscore(int nargout, const rt::Args &args);

// Each column minus its mean, divided by its standard deviation (or by 1 where that is 0); an
// all-equal column gives zeros. A single row is read as a column and comes back as one.
rt::Matrix zscore(const rt::Matrix &d);

} // namespace kestlib
