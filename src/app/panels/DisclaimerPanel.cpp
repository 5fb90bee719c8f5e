#include "DisclaimerPanel.h"

#include "ClickableLabel.h"
#include "Flags.h"
#include "PanelTexts.h"
#include "Place.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {

// The language whose flag lies at a place in the row, if any.
std::optional<Language> languageAtFlag(int index)
{
    for (Language language : Languages::kAll) {
        if (Languages::flagIndex(language) == index)
            return language;
    }
    return std::nullopt;
}

} // namespace

DisclaimerPanel::DisclaimerPanel(QWidget *parent) : InfoPanel(Text::DisclaimerTitle, parent)
{
    txtDisclaimer = readOnlyText(QStringLiteral("txtDisclaimer"), {16, 24, 473, 225}, PanelTexts::disclaimer());

    Frame1 = place<QGroupBox>(this, QStringLiteral("Frame1"), {16, 256, 305, 81});
    addCaption(Text::LanguageSelectorTitle, [this](const QString &text) { Frame1->setTitle(text); });
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    // The row of flags is one stop for the keyboard, between the text and the
    // answers. Only Tab brings the focus there: a click on a flag marks it as
    // it always has and leaves the focus where it was.
    Frame1->setFocusPolicy(Qt::TabFocus);
    for (Language language : Languages::kAll) {
        const int i = Languages::flagIndex(language);
        auto *flag = place<ClickableLabel>(Frame1, QStringLiteral("picLangSelector%1").arg(i),
                                           {16 + 56 * i, 20, 42, 30});
        flag->setPixmap(Flags::flag(language, {36, 24}));
        flag->setAlignment(Qt::AlignCenter);
        connect(flag, &ClickableLabel::pointerMoved, this,
                [this, language] { lblLangSelector->setText(Languages::selectorLabel(language)); });
        connect(flag, &ClickableLabel::clicked, this, [this, language] { markLanguage(language); });
        picLangSelector[std::size_t(i)] = flag;
    }
    lblLangSelector = place<QLabel>(Frame1, QStringLiteral("lblLangSelector"), {16, 56, 273, 17});
    markLanguage(m_marked);

    cmdZustimmen = button(QStringLiteral("cmdZustimmen"), {344, 264, 145, 29}, Text::Agree);
    cmdAblehnen = button(QStringLiteral("cmdAblehnen"), {344, 304, 145, 29}, Text::Disagree);
    connect(cmdZustimmen, &QPushButton::clicked, this, [this] { emit agreed(m_marked); });
    connect(cmdAblehnen, &QPushButton::clicked, this, &DisclaimerPanel::declined);

    const QStringList rights = PanelTexts::rightsNotice();
    for (int i = 0; i < int(lblCRight.size()); ++i)
        lblCRight[std::size_t(i)] = place<QLabel>(this, QStringLiteral("lblCRight%1").arg(i),
                                                  {16, 344 + 18 * i, 473, 17}, rights.value(i));
}

void DisclaimerPanel::markLanguage(Language language)
{
    m_marked = language;
    showMark();
}

// The marked flag's box; while the row has the focus it is twice as thick and in
// the highlight colour, so that a keyboard user sees where the keys act.
void DisclaimerPanel::showMark()
{
    const bool focused = Frame1->hasFocus();
    for (Language language : Languages::kAll) {
        QLabel *flag = picLangSelector[std::size_t(Languages::flagIndex(language))];
        const bool marked = language == m_marked;
        flag->setFrameShape(marked ? QFrame::Box : QFrame::NoFrame);
        flag->setLineWidth(marked && focused ? 2 : 1);
        flag->setForegroundRole(marked && focused ? QPalette::Highlight : QPalette::WindowText);
    }
}

// The keys of the focused row: an arrow marks the neighbouring flag (Left and Up
// the one before, Right and Down the one after; at either end the mark stays)
// and the label names it, as pointing at it does; Space and Return mark the
// flag as a click does. Other keys are the window's.
bool DisclaimerPanel::rowKey(const QKeyEvent *key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }
    const Language next = languageAtFlag(Languages::flagIndex(m_marked) + step).value_or(m_marked);
    lblLangSelector->setText(Languages::selectorLabel(next));
    markLanguage(next);
    return true;
}

bool DisclaimerPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1) {
        switch (event->type()) {
        case QEvent::MouseMove:
            lblLangSelector->setText(Languages::selectorLabel(m_marked));
            break;
        case QEvent::KeyPress:
            if (rowKey(static_cast<QKeyEvent *>(event)))
                return true;
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            showMark();
            break;
        default:
            break;
        }
    }
    return InfoPanel::eventFilter(watched, event);
}
