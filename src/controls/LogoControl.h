#pragma once

#include <QPixmap>
#include <QWidget>

class LazyPicture;

// The maker's logo. It lights up while the pointer is over it and opens the
// maker's web page when clicked. Only once enabled with setLogoEnabled(true) does
// it notice the pointer leaving: the hover watch looks while it is lit.
class LogoControl : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 106;
    static constexpr int kHeight = 54;
    // The lit picture goes within this many milliseconds of the pointer leaving.
    static constexpr int kHoverInterval = 10;

    enum class Picture { Start, Hover, Left };

    explicit LogoControl(const QString &webAddress, QWidget *parent = nullptr);

    void setLogoEnabled(bool enabled);
    // One tick of the hover watch (HoverWatch::check).
    void checkHover();

    static QPixmap picture(Picture picture);
    Picture shownPicture() const { return m_shown; }

private:
    void hover();
    void watchPointer();
    void showPicture(Picture picture);

    LazyPicture *qvx_logo = nullptr;
    QString m_webAddress;
    Picture m_shown = Picture::Start; // lit (Hover) from a move over it until the pointer is seen to leave
    bool m_enabled = false;
};
