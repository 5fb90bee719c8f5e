#pragma once

#include "ToolWindow.h"

#include <QImage>

#include <functional>
#include <optional>

class PreviewPanes;
class QPushButton;
class UserDialogs;

// The six preview screens enlarged by a whole factor, without smoothing, as
// large as the widget allows. It follows the panes (their colours and view),
// reports a click as a point of a pane, and asks for the tooltip of a point.
class LargePanes : public QWidget
{
    Q_OBJECT
public:
    explicit LargePanes(const PreviewPanes &panes, QWidget *parent = nullptr);

    int scale() const;
    // The pane under a point of the widget, and the point in the pane's pixels.
    std::optional<std::pair<int, QPoint>> paneAt(QPoint point) const;
    // What the widget shows, at its scale.
    QImage picture() const;
    void setToolTipSource(std::function<QString(int, QPoint)> source) { m_toolTip = std::move(source); }
    QSize minimumSizeHint() const override;

signals:
    void clicked(int pane, QPoint at);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint origin() const;

    const PreviewPanes &m_panes;
    std::function<QString(int, QPoint)> m_toolTip;
};

// A window of its own with the large preview, resizable, remembering its size
// and place; "Save picture…" writes what it shows.
class LargePreviewWindow : public ToolWindow
{
    Q_OBJECT
public:
    LargePreviewWindow(const PreviewPanes &panes, UserDialogs &dialogs, QWidget *parent);

    LargePanes *panes() const { return m_panes; }

signals:
    void clicked(int pane, QPoint at);

private:
    void retranslate();
    void savePicture();

    UserDialogs &m_dialogs;
    LargePanes *m_panes;
    QPushButton *m_save;
};
