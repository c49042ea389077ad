// The texts of the boxes an analysis run can end with.
#pragma once

#include <QString>

namespace analysis::messages
{

inline const QString AxesMustDiffer =
    QStringLiteral("Οι παράμετροι 1ου και 2ου άξονα πρέπει να διαφέρουν");

inline const QString UnequalTables = QStringLiteral(
    "Η εισαγωγή των πινάκων εισόδου δεν έγινε σωστά.\r\n\r\n"
    "1. Οι πίνακες εισόδου πρέπει να έχουν τον ίδιο αριθμό γραμμών\r\n"
    "2. Η στήλη C πρέπει να περιέχει σε αύξουσα σειρά τον αριθμό κάθε πίνακα (1,2,3 κτλ).\r\n"
    "3. Οι γραμμές του πίνακα-στόχου είναι αυτές με αύξοντα αριθμό 1.");

inline const QString SingleTable = QStringLiteral(
    "Η ανάλυση χρειάζεται τουλάχιστον δύο πίνακες: τον πίνακα-στόχο και έναν ακόμη.");
inline const QString TooFewObjects =
    QStringLiteral("Κάθε πίνακας χρειάζεται τουλάχιστον δύο αντικείμενα.");
inline const QString TooFewVariables =
    QStringLiteral("Η ανάλυση χρειάζεται τουλάχιστον δύο μεταβλητές.");

// Reached only without the dialog, whose spin boxes keep the axes within the variables.
inline const QString AxisOutOfRange =
    QStringLiteral("Οι άξονες του γραφήματος πρέπει να είναι μεταβλητές από 1 έως %1.");

// Followed by a new line and the library's own message.
inline const QString LibraryFailed = QStringLiteral("Σφάλμα κατά τον υπολογισμό της ανάλυσης:");
inline const QString OutOfMemory =
    QStringLiteral("Η μνήμη δεν επαρκεί για την ανάλυση αυτού του φύλλου.");

// The conversion messages name the offending text in place of %1.
inline const QString NotAnInteger = QStringLiteral("'%1' is not a valid integer value");
inline const QString NotANumber = QStringLiteral("'%1' is not a valid floating point value");

} // namespace analysis::messages
