#pragma once

#include "Languages.h"
#include "Problem.h"

#include <QFrame>

#include <optional>
#include <utility>

class ClickableLabel;

class QLabel;
class ReadabilityModel;
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

    // The program's own messages show for a few seconds (kMessageTime); then the
    // panel shows again what it showed before. An empty text ends the message at once.
    void showMessage(const QString &text);
    // A text that stays until the program ends: the message of the makers' click
    // sequence. Messages shown later cover it for their few seconds only.
    void showLastingMessage(const QString &text);
    // A status tip shows over the message until an empty tip gives it back.
    void showTip(const QString &tip);
    // The settings store cannot keep the choices: said whole as a message, and
    // for as long as the program runs in a few words beside the count, whose
    // tooltip and accessible description say it whole; in the language of the
    // moment.
    void showSettingsNotKept(const QString &store, const Problem &why);

    static constexpr int kMessageTime = 5000; // ms

    // The readability panel follows the scheme's verdicts from now on.
    void followReadability(const ReadabilityModel &readability);
    // Whether the readability panel is offered: before the user has agreed to
    // the disclaimer it shows nothing and takes neither clicks nor the focus.
    void offerReadability(bool offered);

signals:
    // A left click on the readability panel, or Space or Return on it.
    void readabilityClicked();

private:
    void showTime();
    void showReadability();
    void showUnkept();
    // Shows the tip, else the message while its time runs, else the lasting text.
    void showFirstPanel();

    QLabel *StatusBar1Panel1 = nullptr;
    QLabel *StatusBar1Panel2 = nullptr;
    ClickableLabel *StatusBar1Panel3 = nullptr;
    QLabel *StatusBar1Panel4 = nullptr; // shown while the settings cannot be kept
    QTimer *tmrClock = nullptr;
    QTimer *tmrMessage = nullptr; // runs while a message shows
    QString m_message;
    QString m_lasting;
    QString m_tip;
    std::optional<std::pair<QString, Problem>> m_unkept; // the store, and why it cannot keep the settings
    const ReadabilityModel *m_readability = nullptr;
    bool m_readabilityOffered = true;
};
