// The sixteen outputs of kest, sized up front so each table fills its own blocks.
#pragma once

#include "rt/Frame.h"

namespace kestlib
{

struct KestResults {
    // Outputs for `tables` further tables of nrows objects by cols variables. With no further
    // table the stacked outputs (KXw to KSChcombo) are empty 0x0 arrays.
    KestResults(rt::Index tables, rt::Index nrows, rt::Index cols);

    rt::Outputs release() &&;

    rt::Matrix Xtz;       // the standardised target
    rt::Matrix KXw;       // standardised tables, stacked
    rt::Matrix KRR;       // rotations, one cols x cols block per table
    rt::Matrix KwR;       // rotated tables
    rt::Matrix KA;        // residuals, target minus rotated table
    rt::Matrix Kdsq;      // residual sums of squares
    rt::Matrix Kd;        // their square roots
    rt::Matrix KCfcombo;  // per variable, target against rotated table: r, p
    rt::Matrix KCicombo;  // per object, target against rotated table: r, p
    rt::Matrix KSCicombo; // the same with Spearman's coefficient
    rt::Matrix KChcombo;  // per variable, table before against after rotation: r, p
    rt::Matrix KSChcombo; // the same with Spearman's coefficient
    rt::Matrix Kmo;       // column means of the raw tables, target first
    rt::Matrix Kvar;      // column variances
    rt::Matrix Kstdev;    // column standard deviations
    rt::Matrix Kcv;       // coefficients of variation in percent
};

} // namespace kestlib
