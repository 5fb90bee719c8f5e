#pragma once

#include "Languages.h"

#include <QFrame>

class ClickableLabel;

#include <optional>

class QLabel;
class SchemeModel;
class QTimer;

// The status bar: a text panel for the program's messages, a panel that tells
// how many colour pairs of the scheme are hard to read, and a clock. It owns
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

    // The readability panel follows the scheme from now on: every colour, a new
    // table and a hidden or shown text change it.
    void followScheme(const SchemeModel &scheme);
    void setLanguage(Language language);
    // Whether the readability panel is offered: before the user has agreed to
    // the disclaimer it shows nothing and takes neither clicks nor the focus.
    void offerReadability(bool offered);

signals:
    // A left click on the readability panel, or Space or Return on it.
    void readabilityClicked();

private:
    void showTime();
    void showReadability();

    QLabel *StatusBar1Panel1 = nullptr;
    QLabel *StatusBar1Panel2 = nullptr;
    ClickableLabel *StatusBar1Panel3 = nullptr;
    QTimer *tmrClock = nullptr;
    const SchemeModel *m_scheme = nullptr;
    Language m_language = Language::German;
    bool m_readabilityOffered = true;
    std::optional<QString> m_covered; // while a tip shows: the message it covers
};
