#pragma once

#include <QWidget>

#include <optional>

class QAbstractItemModel;
class QTreeView;

// A window of its own beside the editor, not modal: it remembers its place in
// the settings under a key of its own (a place it cannot use counts as none),
// and without one it opens beside the editor. Keys pressed in it are its own:
// the editor's menu bar and commands do not see them, Esc closes it, and the
// access key of a button presses the button.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    ToolWindow(const QString &placeKey, QWidget *parent);
    ~ToolWindow() override;

    // Whether a panel covers the editor (the disclaimer too, before the user
    // agrees to it). Whatever would change the scheme unseen waits while it
    // does; a window with nothing of that kind ignores it.
    virtual void setEditorCovered(bool covered);

protected:
    // Called once the window's content is made: the remembered place is taken
    // where it can be used.
    void restorePlace();
    // The content every such window has: a list of rows over the model, each
    // column as wide as it needs, under it a note where there is one, and
    // under that on the right the row of the window's buttons.
    QTreeView *addList(QAbstractItemModel *model, const QString &name, const QList<QWidget *> &row,
                       QWidget *note = nullptr);
    // Grown for another language, the window stays on its screen; moved aside
    // for that, it goes back to its place once it fits there again.
    void keepOnScreen();

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_placeKey;
    bool m_placed = false; // a usable place was remembered, or the window was placed once
    QPoint m_place;                    // where the window was put, not moved to fit
    std::optional<QPoint> m_movedToFit; // where keepOnScreen() last left it
};
