#pragma once

#include <QTabBar>
#include <QTabWidget>

// The palette tab strip. Its tabs are only as wide as their captions and a
// narrow margin: the Spanish captions only just fit side by side in the strip's
// 257 pixels, which the style's usual margins would overflow.
class PaletteTabs : public QTabWidget
{
    Q_OBJECT
public:
    explicit PaletteTabs(QWidget *parent = nullptr);

private:
    class Bar : public QTabBar
    {
    public:
        using QTabBar::QTabBar;

    protected:
        QSize tabSizeHint(int index) const override;
    };
};
