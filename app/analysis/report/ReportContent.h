// What the report says, before it is laid out on pages: a title and a sequence of captioned
// cross tables.
#pragma once

#include "CrossTable.h"

#include <QChar>
#include <QString>

#include <vector>

struct ReportSection {
    QString caption;
    CrossTable table;
    // Caption and table stay together, and the table on one page where it fits.
    bool keepTogether = true;

    bool operator==(const ReportSection &) const = default;
};

struct ReportContent {
    QString title;
    std::vector<ReportSection> sections;
    QChar decimal = u'.'; // the separator the numbers in the cells were written with

    bool operator==(const ReportContent &) const = default;
};
