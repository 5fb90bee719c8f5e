#pragma once

#include <QTabWidget>

// The palette tab strip. Its tabs keep narrower margins than the style's usual
// ones: the Spanish captions only just fit side by side in the strip's 257
// pixels.
class PaletteTabs : public QTabWidget
{
    Q_OBJECT
public:
    explicit PaletteTabs(QWidget *parent = nullptr);
};
