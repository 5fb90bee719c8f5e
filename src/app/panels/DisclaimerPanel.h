#pragma once

#include "InfoPanel.h"
#include "Languages.h"

#include <array>

class ClickableLabel;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The disclaimer, shown over the editor area until the user agrees. It owns the
// disclaimer text, the language selector (Frame1: the flags, the marked one in a
// box frame, and the label naming them), the rights notice and the two answers.
// The keyboard reaches them by Tab in that order: the text, the row of flags
// (whose arrow keys move the mark), "agree" and "disagree".
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
    // The frame is also the row's keyboard stop: its keys move the mark.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMark();
    bool rowKey(const QKeyEvent *key);

    QPlainTextEdit *txtDisclaimer = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<ClickableLabel *, Languages::kCount> picLangSelector{};
    QLabel *lblLangSelector = nullptr;
    QPushButton *cmdZustimmen = nullptr;
    QPushButton *cmdAblehnen = nullptr;
    std::array<QLabel *, 3> lblCRight{};

    Language m_marked = Language::German;
};
