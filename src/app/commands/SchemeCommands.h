#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;
class ReadabilityModel;
class SchemeModel;

// The commands on the whole scheme, offered in the element list's and the
// preview's context menus and by their keys anywhere in the window: Fix all,
// the history of every change (Ctrl+H), the large preview (Ctrl+L) and a new
// scheme derived from a colour or a picture.
class SchemeCommands : public QObject
{
    Q_OBJECT
public:
    SchemeCommands(SchemeModel &scheme, const ReadabilityModel &readability, QObject *parent);

    // Every pair brought to its level (for the eyes the readability check
    // covers) in one change; the status bar says how many colours changed, and
    // which pairs could not be met.
    void fixAll();

    // The context menus' items, a separator first.
    QList<QAction *> actions() const;
    // The keys work wherever the focus is in the window.
    void addShortcutsTo(QWidget *window);

signals:
    void historyRequested();
    void largePreviewRequested();
    void deriveFromColourRequested();
    void deriveFromPictureRequested();
    void message(const QString &text);

protected:
    bool event(QEvent *event) override;

private:
    void retranslate();

    SchemeModel &m_scheme;
    const ReadabilityModel &m_readability;
    QAction *m_separator;
    QAction *m_fixAll;
    QAction *m_history;
    QAction *m_largePreview;
    QAction *m_fromColour;
    QAction *m_fromPicture;
};
