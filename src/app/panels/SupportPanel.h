#pragma once

#include "InfoPanel.h"

#include <array>

class QLabel;
class QPushButton;

// Help for a phone whose display stays blank. It owns the seven support texts
// (in the interface language), the author's mail link and the "ok" that closes it.
class SupportPanel : public InfoPanel
{
    Q_OBJECT
public:
    explicit SupportPanel(QWidget *parent = nullptr);

signals:
    void closed();

private:
    std::array<QLabel *, 7> txtSupport{};
    ClickableLabel *lblLink1 = nullptr;
    QPushButton *cmdCloseSupport = nullptr;
};
