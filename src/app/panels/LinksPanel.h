#pragma once

#include "InfoPanel.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Links and credits. It owns the links to the maker, the forum and the site
// with the names beside them, the credits text and the "ok" that closes it.
class LinksPanel : public InfoPanel
{
    Q_OBJECT
public:
    explicit LinksPanel(QWidget *parent = nullptr);

signals:
    void closed();

private:
    QLabel *Label5 = nullptr;
    ClickableLabel *lblLink0 = nullptr;
    QLabel *lblLinks2 = nullptr;
    ClickableLabel *lblLink3 = nullptr;
    QLabel *Label7 = nullptr;
    ClickableLabel *lblLink5 = nullptr;
    QPlainTextEdit *txtThanks = nullptr;
    QPushButton *cmdCloseLinks = nullptr;
};
