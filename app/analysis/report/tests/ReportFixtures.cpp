#include "ReportFixtures.h"

#include "files/NumberText.h"

#include <QApplication>

namespace reporttest
{

void ensureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "report_tests";
    static char *argv[] = {name, nullptr};
    // Kept to the end of the process: destroyed among the other statics it would outlive the
    // font caches it needs.
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

namespace
{

TextTable results(int rows, int columns)
{
    TextTable table(rows, columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            table.set(r, c, numbertext::formatFixed3(r + c / 1000.0, u'.'));
    return table;
}

} // namespace

AnalysisState makeState(int m, int K, int a, QStringList objects, QStringList variables)
{
    AnalysisState s;
    const int n = m * (K + 1);
    s.ObjectCount = n;
    s.VariableCount = a;
    s.RowsPerTable = m;
    s.OtherTableCount = K;
    for (int i = 0; i < n; ++i)
        s.ObjectNames << (objects.isEmpty() ? QStringLiteral("o%1").arg(i % m + 1)
                                            : objects[(i % m) % objects.size()]);
    for (int j = 0; j < a; ++j)
        s.VariableNames << (j < variables.size() ? variables[j] : QStringLiteral("v%1").arg(j + 1));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < a; ++j)
            s.SheetValues.push_back(i + (j + 1) / 4.0);
    s.Xtz = results(m, a);
    s.KXw = results(n - m, a);
    s.KRR = results(a * K, a);
    s.KwR = results(n - m, a);
    s.KA = results(n - m, a);
    s.Kdsq = results(K, 1);
    s.Kd = results(K, 1);
    s.KCfcombo = results(K * a, 2);
    s.KCicombo = results(K * m, 2);
    s.KSCicombo = results(K * m, 2);
    s.KChcombo = results(K * a, 2);
    s.KSChcombo = results(K * a, 2);
    s.Kmo = results(K + 1, a);
    s.Kvar = results(K + 1, a);
    s.Kstdev = results(K + 1, a);
    s.Kcv = results(K + 1, a);
    const QStringList statistics{QStringLiteral("Mean"), QStringLiteral("Variance"),
                                 QStringLiteral("Std.Dev"), QStringLiteral("CV")};
    s.StatTable = results(4 * (K + 1), a);
    for (int t = 0; t <= K; ++t)
        for (const QString &statistic : statistics)
            s.StatRowLabels << (t == 0 ? QStringLiteral("Χt:") : QStringLiteral("Χ%1:").arg(t)) +
                                   statistic;
    return s;
}

} // namespace reporttest
