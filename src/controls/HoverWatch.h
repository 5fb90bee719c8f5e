#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QTimer;
class QWidget;

// Notices the pointer leaving the widgets that show they are hovered (the link
// labels, the mail link, the logo). Leaving means being off the widget's place
// on the screen, its edges included, also while the widget is hidden: not what
// Qt's leave events tell. So a hovered widget is watched: at every tick its
// place is compared with the pointer.
//
// One watch serves the whole program (instance()). Each watched widget keeps
// its own next look, its interval after the last one; the timer is set for the
// soonest of them, so a fast watch beside a slow one (the logo's 10 ms beside
// the mail link's 100 ms) neither hurries nor postpones the slow one, and a watch
// that ends leaves the others' looks where they were. The timer runs only while
// a widget is watched, so an idle program never wakes for it.
class HoverWatch : public QObject
{
    Q_OBJECT
public:
    static HoverWatch &instance();

    // From now until a tick finds the pointer off the widget's place, then
    // onLeft runs once and the widget is no longer watched. The place counts
    // with its edges and stays where it was when the widget is hidden: a closed
    // panel's link keeps its underline until the pointer has left its place.
    // Watching a widget again replaces what it was watched for.
    void watch(QWidget *widget, int interval, std::function<void()> onLeft);
    // Stops watching without calling onLeft (also when the widget is destroyed).
    void forget(const QObject *widget);
    bool isWatching(const QWidget *widget) const;

    // Every watched widget the pointer is off is told so, whether its look is
    // due or not (a tick without waiting, for tests).
    void check();

    // Whether the pointer lies on the widget's rectangle on the screen, edges
    // included, wherever the pointer is (also outside the window).
    static bool isPointerOn(const QWidget *widget);

private:
    explicit HoverWatch(QObject *parent);
    // The timer follows what is watched: stopped when nothing is, otherwise set
    // for the soonest look due.
    void adjustTimer();
    // One tick of the timer: the widgets whose look is due are looked at.
    void tick();
    void look(bool onlyDue);

    struct Watched
    {
        const QObject *key;       // the widget's address, also while it is being destroyed
        QPointer<QWidget> widget;
        int interval;
        std::function<void()> onLeft;
        QDeadlineTimer due; // the next look
    };

    std::vector<Watched> m_watched;
    QTimer *tmrHover = nullptr;
};
