#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class LazyPicture;
class QTimer;

// The maker's logo. It lights up while the pointer is over it and opens the
// maker's web page when clicked. It reacts only once enabled with
// setLogoEnabled(true), which also starts the timer that notices the pointer
// leaving.
class LogoControl : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 106;
    static constexpr int kHeight = 54;
    static constexpr int kHoverInterval = 10;

    enum class Picture { Start, Hover, Left };

    explicit LogoControl(const QString &webAddress, QWidget *parent = nullptr);

    void setLogoEnabled(bool enabled);
    // One tick of the hover timer.
    void checkHover();

    static QPixmap picture(Picture picture);
    Picture shownPicture() const { return m_shown; }

private:
    void hover();
    void showPicture(Picture picture);

    LazyPicture *qvx_logo = nullptr;
    QTimer *Timer1 = nullptr;
    QString m_webAddress;
    Picture m_shown = Picture::Start;
    bool m_hovering = false;
};
