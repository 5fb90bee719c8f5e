#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// The commands on the whole scheme, offered in the element list's and the
// preview's context menus and by their keys anywhere in the window: the
// history of every change (Ctrl+H).
class SchemeCommands : public QObject
{
    Q_OBJECT
public:
    explicit SchemeCommands(QObject *parent);

    // The context menus' items, a separator first.
    QList<QAction *> actions() const;
    // The keys work wherever the focus is in the window.
    void addShortcutsTo(QWidget *window);

signals:
    void historyRequested();

protected:
    bool event(QEvent *event) override;

private:
    void retranslate();

    QAction *m_separator;
    QAction *m_history;
};
