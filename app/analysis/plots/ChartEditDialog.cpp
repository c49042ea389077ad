#include "ChartEditDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace plots {

namespace {

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QLineEdit *lineEdit(const QString &name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

ChartEditDialog::ChartEditDialog(const ChartSettings &settings, QWidget *parent)
    : QDialog(parent), title_(lineEdit(QStringLiteral("titleEdit"), settings.title, this)),
      horizontalTitle_(
          lineEdit(QStringLiteral("horizontalTitleEdit"), settings.horizontalTitle, this)),
      verticalTitle_(lineEdit(QStringLiteral("verticalTitleEdit"), settings.verticalTitle, this)),
      pointSize_(new QDoubleSpinBox(this)), series_(new QListWidget(this)),
      colours_(settings.seriesColours)
{
    setObjectName(QStringLiteral("ChartEditDialog"));
    setWindowTitle(QStringLiteral("Επεξεργασία γραφήματος"));

    pointSize_->setObjectName(QStringLiteral("pointSizeEdit"));
    pointSize_->setRange(2, 40);
    pointSize_->setDecimals(0);
    pointSize_->setValue(settings.pointSize);

    series_->setObjectName(QStringLiteral("seriesList"));
    for (const SeriesColour &series : colours_)
        series_->addItem(new QListWidgetItem(swatch(series.colour), series.name));
    series_->setCurrentRow(0);
    connect(series_, &QListWidget::itemDoubleClicked, this, &ChartEditDialog::chooseColour);
    auto *colourButton = new QPushButton(QStringLiteral("Χρώμα σειράς..."), this);
    colourButton->setEnabled(!colours_.empty());
    connect(colourButton, &QPushButton::clicked, this, &ChartEditDialog::chooseColour);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Τίτλος:"), title_);
    form->addRow(QStringLiteral("Τίτλος οριζόντιου άξονα:"), horizontalTitle_);
    form->addRow(QStringLiteral("Τίτλος κάθετου άξονα:"), verticalTitle_);
    form->addRow(QStringLiteral("Μέγεθος σημείων:"), pointSize_);
    form->addRow(QStringLiteral("Σειρές:"), series_);
    form->addRow(QString(), colourButton);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Άκυρο"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ChartSettings ChartEditDialog::settings() const
{
    return {title_->text(), horizontalTitle_->text(), verticalTitle_->text(), pointSize_->value(),
            colours_};
}

void ChartEditDialog::setSeriesColour(int index, const QColor &colour)
{
    if (index < 0 || index >= static_cast<int>(colours_.size()) || !colour.isValid())
        return;
    colours_[static_cast<std::size_t>(index)].colour = colour;
    series_->item(index)->setIcon(swatch(colour));
}

void ChartEditDialog::chooseColour()
{
    const int index = series_->currentRow();
    if (index < 0)
        return;
    const QColor chosen = QColorDialog::getColor(colours_[static_cast<std::size_t>(index)].colour,
                                                 this, QStringLiteral("Χρώμα σειράς"));
    setSeriesColour(index, chosen);
}

} // namespace plots
