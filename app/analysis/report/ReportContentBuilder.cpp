#include "ReportContentBuilder.h"

#include "ReportTexts.h"
#include "analysis/AnalysisState.h"
#include "files/NumberText.h"

namespace
{

const QString significance = QStringLiteral("Sig. (2-tailed)");
// The trailing blank keeps the second significance column apart from the first.
const QString secondSignificance = QStringLiteral("Sig. (2-tailed) ");

// A cell of a result table; an empty text where the table is smaller than the counts promise.
QString textAt(const TextTable &table, int row, int column)
{
    if (row < 0 || column < 0 || row >= table.rows() || column >= table.columns())
        return {};
    return table.at(row, column);
}

class SectionFiller
{
  public:
    explicit SectionFiller(const AnalysisState &state)
        : s_(state), n_(state.ObjectCount), a_(state.VariableCount), m_(state.RowsPerTable),
          K_(state.OtherTableCount)
    {
        // "X" k ":" object, shared by the four views of the other tables.
        otherLabels_.reserve(static_cast<std::size_t>(otherRows()));
        for (int i = 0; i < otherRows(); ++i)
            otherLabels_.push_back(u'X' + QString::number(i / m_ + 1) + u':' + objectName(m_ + i));
    }

    // Sections 1 and 2: the target table, from the sheet or from a result table.
    CrossTable targetTable(const TextTable *texts) const
    {
        CrossTable view;
        for (int i = 0; i < m_; ++i)
            for (int j = 0; j < a_; ++j)
                view.add(objectName(i), variableName(j),
                         texts ? textAt(*texts, i, j) : sheetNumber(i, j));
        return view;
    }

    // Sections 3, 4, 7, 8: the other tables stacked, each after a separator row of its own.
    CrossTable otherTables(const TextTable *texts, const QString &separatorPrefix,
                           const QString &separatorSuffix) const
    {
        CrossTable view;
        for (int i = 0; i < otherRows(); ++i) {
            const int k = i / m_ + 1;
            if (i % m_ == 0) {
                const QString separator = separatorPrefix + QString::number(k) + separatorSuffix;
                for (int j = 0; j < a_; ++j)
                    view.add(separator, variableName(j), QString());
            }
            const QString &label = otherLabels_[static_cast<std::size_t>(i)];
            for (int j = 0; j < a_; ++j)
                view.add(label, variableName(j),
                         texts ? textAt(*texts, i, j) : sheetNumber(m_ + i, j));
        }
        return view;
    }

    CrossTable statistics() const
    {
        CrossTable view;
        for (int i = 0; i < s_.StatRowLabels.size(); ++i)
            for (int j = 0; j < a_; ++j)
                view.add(s_.StatRowLabels[i], variableName(j), textAt(s_.StatTable, i, j));
        return view;
    }

    CrossTable rotations() const
    {
        CrossTable view;
        for (int k = 1; k <= K_; ++k)
            for (int q = 1; q <= a_; ++q)
                for (int j = 0; j < a_; ++j)
                    view.add(QStringLiteral("X%1:%2").arg(k).arg(q), variableName(j),
                             textAt(s_.KRR, (k - 1) * a_ + q - 1, j));
        return view;
    }

    CrossTable distances() const
    {
        CrossTable view;
        for (int k = 1; k <= K_; ++k) {
            const QString column = QStringLiteral("X%1-Xt").arg(k);
            view.add(QStringLiteral("d^2"), column, textAt(s_.Kdsq, k - 1, 0));
            view.add(QStringLiteral("d"), column, textAt(s_.Kd, k - 1, 0));
        }
        return view;
    }

    CrossTable homologousColumns() const
    {
        CrossTable view;
        for (int k = 1; k <= K_; ++k)
            for (int j = 1; j <= a_; ++j) {
                const int q = (k - 1) * a_ + j - 1;
                const QString label = QStringLiteral("Xt(%1), X%2R(%1)").arg(j).arg(k);
                view.add(label, QStringLiteral("r"), textAt(s_.KCfcombo, q, 0));
                view.add(label, significance, textAt(s_.KCfcombo, q, 1));
            }
        return view;
    }

    // Sections 11 and 12: Pearson and Spearman coefficients side by side.
    CrossTable pairedCorrelations(int count, const QString &labelPattern, const TextTable &pearson,
                                  const TextTable &spearman) const
    {
        CrossTable view;
        for (int k = 1; k <= K_; ++k)
            for (int i = 1; i <= count; ++i) {
                const int q = (k - 1) * count + i - 1;
                const QString label = labelPattern.arg(i).arg(k);
                view.add(label, QStringLiteral("r"), textAt(pearson, q, 0));
                view.add(label, significance, textAt(pearson, q, 1));
                view.add(label, QStringLiteral("rho"), textAt(spearman, q, 0));
                view.add(label, secondSignificance, textAt(spearman, q, 1));
            }
        return view;
    }

  private:
    int otherRows() const { return m_ > 0 ? std::max(0, n_ - m_) : 0; }

    QString objectName(int index) const
    {
        return index < s_.ObjectNames.size() ? s_.ObjectNames[index] : QString::number(index + 1);
    }

    QString variableName(int index) const
    {
        return index < s_.VariableNames.size() ? s_.VariableNames[index]
                                               : QString::number(index + 1);
    }

    QString sheetNumber(int object, int variable) const
    {
        const auto at = static_cast<std::size_t>(object) * static_cast<std::size_t>(a_) +
                        static_cast<std::size_t>(variable);
        if (at >= s_.SheetValues.size())
            return {};
        return numbertext::formatShortest(s_.SheetValues[at], s_.Decimal);
    }

    const AnalysisState &s_;
    int n_, a_, m_, K_;
    std::vector<QString> otherLabels_;
};

} // namespace

ReportContent buildReportContent(const AnalysisState &state)
{
    const SectionFiller fill(state);
    std::vector<CrossTable> tables;
    tables.reserve(reporttexts::captions.size());
    tables.push_back(fill.targetTable(nullptr));
    tables.push_back(fill.targetTable(&state.Xtz));
    tables.push_back(fill.otherTables(nullptr, QStringLiteral("X"), QString()));
    tables.push_back(fill.otherTables(&state.KXw, QStringLiteral("X"), QString()));
    tables.push_back(fill.statistics());
    tables.push_back(fill.rotations());
    tables.push_back(fill.otherTables(&state.KwR, QStringLiteral("X"), QStringLiteral("R")));
    tables.push_back(fill.otherTables(&state.KA, QStringLiteral("Xt-X"), QStringLiteral("R")));
    tables.push_back(fill.distances());
    tables.push_back(fill.homologousColumns());
    tables.push_back(fill.pairedCorrelations(state.RowsPerTable, QStringLiteral("Xt(%1), X%2R(%1)"),
                                             state.KCicombo, state.KSCicombo));
    tables.push_back(fill.pairedCorrelations(
        state.VariableCount, QStringLiteral("X%2(%1), X%2R(%1)"), state.KChcombo, state.KSChcombo));

    ReportContent content;
    content.title = reporttexts::title;
    content.decimal = state.Decimal;
    for (std::size_t s = 0; s < tables.size(); ++s)
        content.sections.push_back({reporttexts::captions[s], std::move(tables[s]),
                                    static_cast<int>(s) != reporttexts::freeFlowingSection});
    return content;
}
