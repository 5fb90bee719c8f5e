#pragma once

class QLabel;
class QWidget;

// What every link of the program shares: blue text (the palette's link colour
// where the background is dark), the hand pointer, an underline while hovered,
// and the test whether the pointer is on it.
class LinkStyle
{
public:
    static void apply(QLabel *label);
    static void setUnderlined(QLabel *label, bool underlined);
    // Whether the pointer lies on the widget's rectangle on the screen, edges
    // included, wherever the pointer is (also outside the window).
    static bool isPointerOn(const QWidget *widget);
};
