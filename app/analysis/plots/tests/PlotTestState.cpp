#include "PlotTestState.h"

#include "files/NumberText.h"

namespace plots::testing
{

AnalysisState distanceState(const std::vector<double> &distances, QChar decimal)
{
    AnalysisState state;
    state.RowsPerTable = 3;
    state.OtherTableCount = static_cast<int>(distances.size());
    state.Decimal = decimal;
    state.Kd = TextTable(state.OtherTableCount, 1);
    for (int k = 0; k < state.OtherTableCount; ++k)
        state.Kd.set(k, 0,
                     numbertext::formatFixed3(distances[static_cast<std::size_t>(k)], decimal));
    return state;
}

AnalysisState configurationState(int m, int K, int a, const TableValue &value, int horizontal,
                                 int vertical)
{
    AnalysisState state;
    state.RowsPerTable = m;
    state.OtherTableCount = K;
    state.VariableCount = a;
    state.HorizontalAxis = horizontal;
    state.VerticalAxis = vertical;
    state.HorizontalAxisName = QStringLiteral("V%1").arg(horizontal);
    state.VerticalAxisName = QStringLiteral("V%1").arg(vertical);
    state.Xtz = TextTable(m, a);
    state.KwR = TextTable(K * m, a);
    for (int j = 0; j < a; ++j) {
        for (int i = 0; i < m; ++i)
            state.Xtz.set(i, j, numbertext::formatFixed3(value(0, i, j), u'.'));
        for (int k = 1; k <= K; ++k)
            for (int i = 0; i < m; ++i)
                state.KwR.set((k - 1) * m + i, j, numbertext::formatFixed3(value(k, i, j), u'.'));
    }
    return state;
}

} // namespace plots::testing
