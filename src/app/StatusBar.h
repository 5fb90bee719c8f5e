#pragma once

#include <QFrame>

#include <optional>

class QLabel;
class QTimer;

// The status bar: a text panel for the program's messages and a clock. It owns
// the clock's timer and the message a menu item's status tip covers for a while.
// A plain frame rather than QStatusBar, whose size grip (never shown on this
// fixed window) would load the pointer theme at every start.
class StatusBar : public QFrame
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    void showMessage(const QString &text);
    // A status tip shows over the message until an empty tip gives it back.
    void showTip(const QString &tip);

private:
    void showTime();

    QLabel *StatusBar1Panel1 = nullptr;
    QLabel *StatusBar1Panel2 = nullptr;
    QTimer *tmrClock = nullptr;
    std::optional<QString> m_covered; // while a tip shows: the message it covers
};
