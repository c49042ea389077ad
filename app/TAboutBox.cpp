#include "TAboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString TAboutBox::ProductCaption = QStringLiteral("Vistrel v1.0");

namespace
{

// The classic desktop colour the panel is painted in.
const QColor DesktopColour(0x3A, 0x6E, 0xA5);

QLabel *textLine(const QString &text, int pixelHeight, const QColor &colour)
{
    auto *label = new QLabel(text);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QFrame *separator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Panel1(new QFrame), OKButton(new QPushButton(QStringLiteral("OK"))), Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Πληροφορίες "));
    setFixedSize(449, 239);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, DesktopColour);
    Panel1->setPalette(palette);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);

    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    const QColor lightGrey(0xD3, 0xD3, 0xD3);
    auto *content = new QVBoxLayout(Panel1);
    content->addWidget(OKButton, 0, Qt::AlignLeft);
    content->addWidget(textLine(ProductCaption, 25, Qt::white), 0, Qt::AlignHCenter);
    content->addWidget(separator());
    content->addWidget(
        textLine(QStringLiteral("Ανάπτυξη: η ομάδα ανάπτυξης του Vistrel"), 15, lightGrey));
    content->addWidget(
        textLine(QStringLiteral("Επικοινωνία: μέσω της σελίδας του έργου Vistrel"), 15, lightGrey));
    content->addWidget(separator());
    content->addWidget(textLine(QStringLiteral("Με τη χρηματοδότηση ερευνητικού προγράμματος\n"
                                               "για τη συγκριτική ανάλυση πινάκων δεδομένων"),
                                15, lightGrey));
    content->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);

    Timer1->setSingleShot(true);
    Timer1->setInterval(SplashMilliseconds);
}

void TAboutBox::MakeSplash()
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The splash alone must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    Panel1->setLineWidth(3);
    OKButton->hide();
    connect(Timer1, &QTimer::timeout, this, [this] {
        close();
        deleteLater();
    });
    show();
    repaint();
    Timer1->start();
}
