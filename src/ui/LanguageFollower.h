#pragma once

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

// Retranslates its owner whenever the interface language changes. Qt's
// LanguageChange event, which a widget passes on to its child objects, reaches
// it as the owner's child: one line in the owner instead of a changeEvent() of
// its own. The owner reads the language from Languages::current().
class LanguageFollower : public QObject
{
public:
    LanguageFollower(QObject *owner, std::function<void()> retranslate)
        : QObject(owner), m_retranslate(std::move(retranslate))
    {
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return QObject::event(event);
    }

private:
    std::function<void()> m_retranslate;
};
