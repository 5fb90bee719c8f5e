#pragma once

#include <QFrame>

// For a framed control whose usual border looks the same with the focus as
// without (a read-only text, a list): while it has the focus the border takes
// the highlight colour, as a box being typed in does. The border keeps its
// width, so nothing inside moves. It lives as long as the control.
class FocusBorder : public QObject
{
public:
    explicit FocusBorder(QFrame *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
