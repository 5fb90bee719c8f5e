#include "SchemeCommands.h"

#include "Languages.h"
#include "Texts.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

SchemeCommands::SchemeCommands(QObject *parent)
    : QObject(parent)
    , m_separator(new QAction(this))
    , m_history(new QAction(this))
{
    m_separator->setSeparator(true);
    m_history->setObjectName(QStringLiteral("actHistory"));
    m_history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_history, &QAction::triggered, this, &SchemeCommands::historyRequested);
    retranslate();
}

QList<QAction *> SchemeCommands::actions() const
{
    return {m_separator, m_history};
}

void SchemeCommands::addShortcutsTo(QWidget *window)
{
    window->addAction(m_history);
}

bool SchemeCommands::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

void SchemeCommands::retranslate()
{
    m_history->setText(Texts::get(Text::HistoryCommand, Languages::current()));
}
