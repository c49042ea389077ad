// One text of a laid-out page: a title, caption, label, cell or page number, with its place.
#pragma once

#include "ReportStyle.h"

#include <QHash>
#include <QRectF>
#include <QString>

// Names a text of the report independently of where it lands: the same column label on two
// pages has the same key, and each page holds a key at most once.
struct ItemKey {
    ItemRole role = ItemRole::Cell;
    int section = -1; // -1 for the title and the page number
    int row = -1;     // -1 for captions and column labels
    int column = -1;  // -1 for captions and row labels

    bool operator==(const ItemKey &) const = default;
};

inline size_t qHash(const ItemKey &key, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<int>(key.role), key.section, key.row, key.column);
}

struct PageItem {
    ItemKey key;
    QRectF rect; // in report pixels on the page
    QString text;
    bool edited = false; // retyped by the user: it may no longer fit its place
};
