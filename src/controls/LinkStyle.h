#pragma once

class ClickableLabel;

// What every link of the program shares: blue text (the palette's link colour
// where the background is dark), the hand pointer, and an underline from the
// first move over it until the hover watch finds the pointer off it.
class LinkStyle
{
public:
    // The hover watch looks every hoverInterval milliseconds while the link is
    // underlined: the underline goes within that time of the pointer leaving.
    static void apply(ClickableLabel *label, int hoverInterval);
};
