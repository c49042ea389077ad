#include "ResultTexts.h"

#include "AnalysisState.h"
#include "LibraryCalls.h"
#include "files/NumberText.h"

#include <array>

namespace analysis
{

namespace
{

// The labels start with the Greek capital chi.
const QString Chi = QStringLiteral("Χ");
const std::array<QString, 4> StatisticNames{QStringLiteral("Mean"), QStringLiteral("Variance"),
                                            QStringLiteral("Std.Dev"), QStringLiteral("CV")};

} // namespace

TextTable outputTexts(const mxArray *output, QChar decimal)
{
    const auto rows = mxGetM(output);
    const auto columns = mxGetN(output);
    TextTable texts(static_cast<int>(rows), static_cast<int>(columns));
    const double *data = mxGetPr(output);
    for (std::size_t j = 0; j < columns; ++j)
        for (std::size_t i = 0; i < rows; ++i)
            texts.set(static_cast<int>(i), static_cast<int>(j),
                      numbertext::formatFixed3(data[j * rows + i], decimal));
    return texts;
}

void fillOutputTexts(AnalysisState &state, const KestOutputs &outputs)
{
    const std::array<TextTable *, KestOutputs::Count> tables{
        &state.Xtz,      &state.KXw,       &state.KRR,      &state.KwR,
        &state.KA,       &state.Kdsq,      &state.Kd,       &state.KCfcombo,
        &state.KCicombo, &state.KSCicombo, &state.KChcombo, &state.KSChcombo,
        &state.Kmo,      &state.Kvar,      &state.Kstdev,   &state.Kcv};
    for (std::size_t i = 0; i < KestOutputs::Count; ++i)
        *tables[i] = outputTexts(outputs.arrays[i].get(), state.Decimal);
}

TextTable statisticsTable(const AnalysisState &state)
{
    const std::array<const TextTable *, 4> statistics{&state.Kmo, &state.Kvar, &state.Kstdev,
                                                      &state.Kcv};
    const int tables = state.Kmo.rows();
    const int a = state.Kmo.columns();
    TextTable table(4 * tables, a);
    for (int t = 0; t < tables; ++t)
        for (int s = 0; s < 4; ++s)
            for (int j = 0; j < a; ++j)
                table.set(4 * t + s, j, statistics[static_cast<std::size_t>(s)]->at(t, j));
    return table;
}

QStringList statisticsRowLabels(int otherTables)
{
    QStringList labels;
    labels.reserve(4 * (otherTables + 1));
    for (int t = 0; t <= otherTables; ++t) {
        const QString table = Chi + (t == 0 ? QStringLiteral("t") : QString::number(t));
        for (const QString &name : StatisticNames)
            labels.append(table + u':' + name);
    }
    return labels;
}

} // namespace analysis
