// The report's fixed texts: its title and the twelve section captions.
#pragma once

#include <QString>

#include <array>

namespace reporttexts
{

inline const QString title =
    QStringLiteral("Αριθμητικά Αποτελέσματα της Προκρούστιας Ορθογώνιας Προβολής ή Περιστροφής");

// Where a caption reads "Χt" or "Χw" the first letter is the Greek capital chi.
inline const std::array<QString, 12> captions = {
    QStringLiteral("Πίνακας Στόχος Χt"),
    QStringLiteral("Πίνακας Στόχος Χt (z-scores)"),
    QStringLiteral("Πίνακες Αντικειμένων Xw"),
    QStringLiteral("Πίνακες Αντικειμένων (z-scores)"),
    QStringLiteral("Περιγραφικά Μέτρα Παραμέτρων (στηλών)"),
    QStringLiteral("Πίνακες Περιστροφής R"),
    QStringLiteral("Πίνακες XwR"),
    QStringLiteral("Πίνακες Xt-XwR"),
    QStringLiteral("Αποστάσεις Xt - Xw"),
    QStringLiteral("Πίνακας Συσχετίσεων μεταξύ Xt και XwR (ομόλογες στήλες)"),
    QStringLiteral("Πίνακας Συσχετίσεων μεταξύ Χt και XwR (ομόλογες γραμμές)"),
    QStringLiteral("Πίνακας Συσχετίσεων μεταξύ Χw και XwR (ομόλογες στήλες)"),
};

// The one section whose caption may part from its table and whose table may start mid-page.
constexpr int freeFlowingSection = 8;

} // namespace reporttexts
