#pragma once

#include "InfoPanel.h"

#include <array>

class QLabel;
class QPushButton;

// Help for a phone whose display stays blank. It owns the seven support texts
// (in the interface language), the author's mail link and the "ok" that closes
// it. Every text shows whole in every language: each label is as high as its
// text needs, and where its room below is not enough, all seven take a smaller
// font.
class SupportPanel : public InfoPanel
{
    Q_OBJECT
public:
    explicit SupportPanel(QWidget *parent = nullptr);

signals:
    void closed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showText(std::size_t index, const QString &text);
    void fitFont();

    std::array<QLabel *, 7> txtSupport{};
    ClickableLabel *lblLink1 = nullptr;
    QPushButton *cmdCloseSupport = nullptr;
};
