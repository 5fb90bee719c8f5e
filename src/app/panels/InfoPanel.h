#pragma once

#include "Text.h"

#include <QGroupBox>

#include <functional>
#include <utility>
#include <vector>

class ClickableLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the panels that take the editor area's place (disclaimer, support, links)
// share: each covers what lies below it, names the texts its captions show in
// the interface language, and builds its read-only texts, link labels and
// buttons the same way.
class InfoPanel : public QGroupBox
{
    Q_OBJECT
public:
    // The link labels underline themselves while hovered; the underline goes
    // within this many milliseconds of the pointer leaving.
    static constexpr int kLinkHoverInterval = 10;

protected:
    InfoPanel(Text title, QWidget *parent);

    QPlainTextEdit *readOnlyText(const QString &name, const QRect &geometry, const QString &text);
    // lblLink<index>: the caption in link style; a click hands the link to the desktop.
    ClickableLabel *linkLabel(int index, const QRect &geometry, const QString &caption, const QString &link);
    QPushButton *button(const QString &name, const QRect &geometry, Text caption);
    // A caption that shows a text of the interface language.
    void addCaption(Text text, std::function<void(const QString &)> show);
    // The room a label's text needs in the font, wrapped in the width.
    static QSize neededSize(const QFont &font, int width, const QString &text);
    // A label keeps its place and width and takes the height its text needs.
    static void fitHeight(QLabel *label);

private:
    // Which caption shows which text.
    std::vector<std::pair<Text, std::function<void(const QString &)>>> m_captions;
};
