#pragma once

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
// One watch serves the whole program (instance()). Its timer runs only while a
// widget is watched, at the shortest interval any watched widget asked for, so
// an idle program never wakes for it.
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

    // One tick of the timer: every watched widget the pointer is off is told so.
    void check();

    // Whether the pointer lies on the widget's rectangle on the screen, edges
    // included, wherever the pointer is (also outside the window).
    static bool isPointerOn(const QWidget *widget);

private:
    explicit HoverWatch(QObject *parent);
    // The timer follows what is watched: stopped when nothing is, otherwise at
    // the shortest interval asked for.
    void adjustTimer();

    struct Watched
    {
        const QObject *key;       // the widget's address, also while it is being destroyed
        QPointer<QWidget> widget;
        int interval;
        std::function<void()> onLeft;
    };

    std::vector<Watched> m_watched;
    QTimer *tmrHover = nullptr;
};
