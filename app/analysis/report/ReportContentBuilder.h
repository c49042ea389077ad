// Fills the twelve sections of the results report from the state of the last analysis run.
#pragma once

#include "ReportContent.h"

struct AnalysisState;

ReportContent buildReportContent(const AnalysisState &state);
