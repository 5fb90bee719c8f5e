#pragma once

#include "ColourScheme.h"
#include "PreviewPanes.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;
class SchemeModel;

// The six preview screens enlarged by a whole factor, without smoothing, as
// large as the widget allows. It follows the panes (their colours and view),
// reports a click as a point of a pane, and asks for the tooltip of a point.
// Compared with a second scheme, it shows that scheme on the right, in the same
// view, the elements whose colours differ outlined on both sides; while Space
// is held, the second scheme stands in the current one's place too. The held
// view ends when Space is released wherever the focus went meanwhile, when the
// panes lose the focus, and when they are hidden: it never sticks.
class LargePanes : public QWidget
{
    Q_OBJECT
public:
    LargePanes(const PreviewPanes &panes, const SchemeModel &scheme, QWidget *parent = nullptr);

    // A second scheme beside the current one, or none; the elements that differ
    // outlined unless asked not to (a derived scheme differs everywhere).
    void compareWith(const std::optional<ColourScheme> &other, bool outlined = true);
    bool isComparing() const { return m_other.has_value(); }
    // What each side shows, written above it while two schemes are side by side.
    void setCaptions(const QString &first, const QString &second);
    const QString &secondCaption() const { return m_captions.second; }

    int scale() const;
    // The size that shows the screens at a scale.
    QSize sizeAt(int scale) const { return shownSize() * scale; }
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
    void keyPressEvent(QKeyEvent *event) override;
    // While Space is held, its release is watched for in the whole program.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPoint origin() const;
    QSize shownSize() const; // in the screens' own pixels
    QImage side(const PreviewPanes &panes, int scale, const QList<QRect> &lines) const;
    void paintShown(QPainter &painter, QPoint at, int scale) const;
    void holdSecond(bool held);

    const PreviewPanes &m_panes;
    const SchemeModel &m_scheme;
    std::optional<ColourScheme> m_other;
    PreviewPanes m_otherPanes;
    bool m_outlined = true;
    std::pair<QString, QString> m_captions;
    bool m_showingOther = false; // Space is held
    std::function<QString(int, QPoint)> m_toolTip;
};
