// The pages of the prepared report as small pictures for the preview's side panel. A picture is
// drawn only when the list shows it, and a few hundred are kept.
#pragma once

#include "PreparedReport.h"

#include <QAbstractListModel>
#include <QCache>
#include <QPixmap>

class ThumbnailModel : public QAbstractListModel
{
    Q_OBJECT
  public:
    static constexpr int width = 96;

    explicit ThumbnailModel(QObject *parent = nullptr);

    void setReport(const PreparedReport *report);
    void pageChanged(int page); // its texts were edited

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

  private:
    QPixmap render(int page) const;

    const PreparedReport *report_ = nullptr;
    mutable QCache<int, QPixmap> pictures_{300};
};
