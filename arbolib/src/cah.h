// Ward's hierarchical classification of the rows of a contingency table.
#pragma once

#include "rt/Frame.h"

namespace arbolib
{

extern const rt::Signature cahSignature;
extern const rt::Signature clusternumSignature; // the local function cah/clusternum

// Inputs X, zeroone, cutoff; outputs Z, L, rowp, mass, cor, ctr, dx, cod, ctd, Q, T, Out.
rt::Outputs Mcah(int nargout, const rt::Args &args);

// Inputs Z, T, k, c; output T.
rt::Outputs Mcah_clusternum(int nargout, const rt::Args &args);

} // namespace arbolib
