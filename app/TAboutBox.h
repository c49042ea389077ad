// The about box; one more instance serves as the splash screen at start.
#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QTimer;

class TAboutBox : public QDialog
{
    Q_OBJECT

  public:
    static const QString ProductCaption;
    static constexpr int SplashMilliseconds = 3000;

    explicit TAboutBox(QWidget *parent = nullptr);

    // Turns this box into a frameless, always-on-top splash that shows at once and closes and
    // frees itself three seconds later, whatever dialogs are open meanwhile.
    void MakeSplash();
    QTimer *timer() const { return Timer1; }

  private:
    QFrame *Panel1;
    QPushButton *OKButton;
    QTimer *Timer1;
};
