#pragma once

#include "InfoPanel.h"
#include "Languages.h"

#include <array>

class ClickableLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The disclaimer, shown over the editor area until the user agrees. It owns the
// disclaimer text, the language selector (Frame1: the flags, the marked one in a
// box frame, and the label naming them), the rights notice and the two answers.
class DisclaimerPanel : public InfoPanel
{
    Q_OBJECT
public:
    explicit DisclaimerPanel(QWidget *parent = nullptr);

    // Frames the language's flag: the language "agree" applies.
    void markLanguage(Language language);

signals:
    void agreed(Language marked);
    void declined();

protected:
    // Over the selector's frame but off the flags, the label names the marked flag.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *txtDisclaimer = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<ClickableLabel *, Languages::kCount> picLangSelector{};
    QLabel *lblLangSelector = nullptr;
    QPushButton *cmdZustimmen = nullptr;
    QPushButton *cmdAblehnen = nullptr;
    std::array<QLabel *, 3> lblCRight{};

    Language m_marked = Language::German;
};
