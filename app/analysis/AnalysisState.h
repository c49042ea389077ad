// Everything one analysis run leaves for the report and the plots. Every run replaces all of it.
#pragma once

#include "TextTable.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

struct AnalysisState {
    int ObjectCount = 0;     // n: the sheet's object rows
    int VariableCount = 0;   // a: the variable columns
    int RowsPerTable = 0;    // m: rows of every table
    int OtherTableCount = 0; // K: tables after the target

    QStringList ObjectNames;   // n labels (row number where the name is blank)
    QStringList VariableNames; // a labels (column number where the name is blank)
    std::vector<double> SheetValues; // n x a, row by row
    double sheetValue(int object, int variable) const
    {
        return SheetValues[static_cast<std::size_t>(object) * static_cast<std::size_t>(VariableCount) +
                           static_cast<std::size_t>(variable)];
    }

    // The sixteen library outputs as "%3.3f" texts, each with the output's own shape.
    TextTable Xtz, KXw, KRR, KwR, KA, Kdsq, Kd, KCfcombo, KCicombo, KSCicombo, KChcombo, KSChcombo,
        Kmo, Kvar, Kstdev, Kcv;

    QStringList StatRowLabels; // 4(K+1): "Χt:Mean", ..., "Χ1:Mean", ... (Greek capital chi)
    TextTable StatTable;       // 4(K+1) x a, the four statistics interleaved table by table

    bool RunFailed = false;

    // The plot's two variables (1-based) and the sheet's row-0 texts of their columns.
    int HorizontalAxis = 1;
    int VerticalAxis = 2;
    QString HorizontalAxisName;
    QString VerticalAxisName;

    // The decimal separator the texts were written with.
    QChar Decimal = u'.';

    bool operator==(const AnalysisState &) const = default; // runs on one sheet compare equal
};
