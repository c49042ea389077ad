#include "ChartEditDialog.h"

#include "SeriesPalette.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace plots
{

namespace
{

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
      colour_(new QComboBox(this)), colours_(settings.seriesColours)
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

    colour_->setObjectName(QStringLiteral("colourChoice"));
    colour_->setEnabled(!colours_.empty());
    for (const NamedColour &choice : namedColours())
        colour_->addItem(swatch(choice.colour), choice.name, choice.colour);
    connect(series_, &QListWidget::currentRowChanged, this, &ChartEditDialog::showColourOfSeries);
    connect(colour_, &QComboBox::activated, this, [this](int choice) {
        setSeriesColour(series_->currentRow(), colour_->itemData(choice).value<QColor>());
    });
    series_->setCurrentRow(0);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Τίτλος:"), title_);
    form->addRow(QStringLiteral("Τίτλος οριζόντιου άξονα:"), horizontalTitle_);
    form->addRow(QStringLiteral("Τίτλος κάθετου άξονα:"), verticalTitle_);
    form->addRow(QStringLiteral("Μέγεθος σημείων:"), pointSize_);
    form->addRow(QStringLiteral("Σειρές:"), series_);
    form->addRow(QStringLiteral("Χρώμα σειράς:"), colour_);

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
    if (index == series_->currentRow())
        showColourOfSeries(index);
}

// Shows the series' colour among the choices; a colour that is not one of them stays shown
// as a choice of its own until another is picked.
void ChartEditDialog::showColourOfSeries(int index)
{
    if (index < 0)
        return;
    const QColor current = colours_[static_cast<std::size_t>(index)].colour;
    const QSignalBlocker quiet(colour_);
    const int choices = static_cast<int>(namedColours().size());
    while (colour_->count() > choices)
        colour_->removeItem(choices);
    int found = colour_->findData(current);
    if (found < 0) {
        colour_->addItem(swatch(current), QStringLiteral("Τρέχον"), current);
        found = colour_->count() - 1;
    }
    colour_->setCurrentIndex(found);
}

} // namespace plots
