#pragma once

#include "ColourScience.h"
#include "PreviewPane.h"
#include "Problem.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class ColourScheme;
class SchemeModel;

// The six preview screens. Every colour change of the program reaches the
// screens through here: paintElement() for one element, repaintAll() for a whole
// scheme. Each call announces each pane once through paneChanged(), however
// many elements it painted, so a view repaints once per batch.
class PreviewPanes : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCount = 6;
    static constexpr int kWidth = 101;
    static constexpr int kHeight = 80;

    // Starts with the six built-in pictures, uncoloured.
    explicit PreviewPanes(QObject *parent = nullptr);

    static QImage builtInPicture(int index);
    // The six built-in panes, read once per process and copied by every set of
    // panes. Safe to call from any thread; the first call reads the pictures.
    static const std::array<PreviewPane, kCount> &builtInPanes();
    // Where pane i sits in the preview frame (and in a rendered preview).
    static QPoint position(int index);

    const PreviewPane &pane(int index) const { return m_panes.at(index); }

    // How a picture of the panes is shown: in the 16 bits a pixel the phone's
    // display keeps, and as seen with one cone type missing. Only what is drawn
    // changes; the panes' pictures, which picking reads, keep the scheme's colours.
    struct View
    {
        bool phone = false;
        ColourScience::Vision vision = ColourScience::Vision::Normal;
        bool isPlain() const { return !phone && vision == ColourScience::Vision::Normal; }
        // A colour as the view shows it: cut to the phone's colour first, then
        // as seen with the vision.
        Rgb shown(const Rgb &colour) const;
    };
    // A copy of the picture as the view shows it, pixel by pixel.
    static QImage viewed(const QImage &picture, const View &view);

    // How the panes are drawn. While a view is on, every pane keeps a second
    // picture in the view's colours, painted through the same index, so a view
    // costs one conversion per colour painted, not one per pixel.
    void setView(const View &view);
    const View &view() const { return m_view; }
    // The pane's picture as the view shows it.
    const QImage &shownPicture(int index) const;
    // The names of the visions on the command line and in the settings store:
    // "normal", "protan", "deutan", "tritan".
    static QString visionName(ColourScience::Vision vision);
    static std::optional<ColourScience::Vision> visionFromName(const QString &name);

    // The six panes at their places on a neutral background, 233 x 288 pixels
    // (the part of the preview frame that holds them).
    QImage render() const;
    static constexpr QSize kRenderSize{233, 288};
    // Around and between the screens of a rendered preview, and between two
    // schemes' screens side by side.
    static constexpr QRgb kFrame = qRgb(212, 208, 200);
    static constexpr int kCompareGap = 8;
    // The colour that outlines the elements two schemes give different colours.
    static constexpr QRgb kOutline = qRgb(255, 0, 255);
    // On a picture of these panes as render() lays them out: every pixel of an
    // element the two schemes colour differently that borders another element
    // or the pane's edge, in the outline colour.
    void outlineDifferences(QImage &rendered, const ColourScheme &a, const ColourScheme &b) const;
    // The same outlines for the panes enlarged by a whole scale of two or more,
    // as thin lines in the enlarged picture's coordinates that cover no pixel
    // of a text: a line between two pixels lies on the pixel of the element that
    // covers more of its pane (a fixed pixel and the space around a pane count
    // as the largest), so a text keeps its pixels and its background takes the line.
    QList<QRect> outlineLines(const ColourScheme &a, const ColourScheme &b, int scale) const;

    // A picture enlarged by a whole factor, each pixel a square of its colour
    // (as QImage::scaled() without smoothing gives it, several times faster).
    static QImage enlarged(const QImage &picture, int scale);

    void paintElement(int element, const Rgb &colour);
    void repaintAll(const ColourScheme &scheme);
    // From now on the panes show the scheme of the model: each colour changed
    // is painted, a whole new table repainted.
    void follow(const SchemeModel &scheme);

    // Replaces panes and masks 0 to 3 by one picture file; 4 and 5 keep theirs.
    // Returns the reason when the file is refused; nothing changes then.
    std::optional<Problem> loadMaskFile(const QString &path);
    // The pictures and masks of other panes, for a second scheme drawn on the
    // same screens; repaintAll() colours them.
    void takePicturesOf(const PreviewPanes &other);

signals:
    void paneChanged(int index);
    // Pictures and masks replaced (loadMaskFile()).
    void picturesReplaced();

private:
    void makeShown(int index);

    // A place where two elements of a pane meet (or one meets a fixed pixel or
    // the space around the pane), and on which side an outline between them
    // goes: that of the element that covers more of the pane.
    struct Border
    {
        qint16 x, y;  // the pixel left of or above the border (-1: outside the pane)
        bool across;  // between (x, y) and (x + 1, y); otherwise (x, y) and (x, y + 1)
        quint8 here, next;
        bool onHere;  // the line lies on (x, y)
    };
    // Found once per pane and mask.
    const std::vector<Border> &bordersOf(int index) const;

    std::array<PreviewPane, kCount> m_panes;
    mutable std::array<std::vector<Border>, kCount> m_borders;
    View m_view;
};
