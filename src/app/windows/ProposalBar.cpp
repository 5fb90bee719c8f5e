#include "ProposalBar.h"

#include "LanguageFollower.h"
#include "Languages.h"
#include "Texts.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

ProposalBar::ProposalBar(QWidget *parent)
    : QWidget(parent)
    , m_from(new QLabel(this))
    , m_dark(new QRadioButton(this))
    , m_light(new QRadioButton(this))
    , m_colourBlind(new QCheckBox(this))
    , m_unmet(new QLabel(this))
    , m_apply(new QPushButton(this))
    , m_discard(new QPushButton(this))
{
    setObjectName(QStringLiteral("proposalBar"));
    m_from->setObjectName(QStringLiteral("proposalFrom"));
    m_dark->setObjectName(QStringLiteral("proposalDark"));
    m_light->setObjectName(QStringLiteral("proposalLight"));
    m_colourBlind->setObjectName(QStringLiteral("proposalColourBlind"));
    m_unmet->setObjectName(QStringLiteral("proposalUnmet"));
    m_apply->setObjectName(QStringLiteral("proposalApply"));
    m_discard->setObjectName(QStringLiteral("proposalDiscard"));
    m_dark->setChecked(true);
    m_unmet->hide();
    // A file's name is shown as it is, never as markup.
    m_from->setTextFormat(Qt::PlainText);
    m_from->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_from->installEventFilter(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_from, 1);
    layout->addSpacing(12);
    layout->addWidget(m_dark);
    layout->addWidget(m_light);
    layout->addWidget(m_colourBlind);
    layout->addWidget(m_unmet);
    layout->addWidget(m_apply);
    layout->addWidget(m_discard);

    // Each radio button toggles when the other is chosen: one derivation per choice.
    connect(m_light, &QRadioButton::toggled, this, &ProposalBar::derive);
    connect(m_colourBlind, &QCheckBox::toggled, this, &ProposalBar::derive);
    connect(m_apply, &QPushButton::clicked, this, &ProposalBar::apply);
    connect(m_discard, &QPushButton::clicked, this, &ProposalBar::discarded);
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void ProposalBar::propose(const Derive::Seeds &seeds, const QString &source, const QString &name, bool colourBlind)
{
    m_fixAll.reset();
    for (QWidget *choice : {static_cast<QWidget *>(m_dark), static_cast<QWidget *>(m_light),
                            static_cast<QWidget *>(m_colourBlind)})
        choice->show();
    m_seeds = seeds;
    m_source = source;
    m_name = name;
    const QSignalBlocker blocker(m_colourBlind);
    m_colourBlind->setChecked(colourBlind);
    derive();
    retranslate();
}

void ProposalBar::proposeFixAll(const FixAllProposal &proposal)
{
    m_fixAll = proposal;
    for (QWidget *choice : {static_cast<QWidget *>(m_dark), static_cast<QWidget *>(m_light),
                            static_cast<QWidget *>(m_colourBlind)})
        choice->hide();
    m_scheme = proposal.fixed.scheme;
    m_unmet->setVisible(!proposal.fixed.unmet.empty());
    retranslate();
    emit proposed(m_scheme);
}

void ProposalBar::apply()
{
    // A copy: what the signal starts may propose anew over the one held here.
    if (m_fixAll)
        emit fixAllApplyRequested(FixAllProposal(*m_fixAll));
    else
        emit applyRequested(m_scheme, m_source);
}

QString ProposalBar::caption() const
{
    const Language language = Languages::current();
    return m_fixAll ? SchemeCommands::fixAllWords(m_fixAll->fixed, false, language)
                    : Texts::get(Text::DerivedFrom, language).arg(m_source);
}

bool ProposalBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_from && event->type() == QEvent::Resize)
        showFrom();
    return QWidget::eventFilter(watched, event);
}

void ProposalBar::showFrom()
{
    m_from->setText(m_from->fontMetrics().elidedText(m_from->toolTip(), Qt::ElideMiddle, m_from->width()));
}

void ProposalBar::setApplyAllowed(bool allowed)
{
    m_apply->setEnabled(allowed);
}

void ProposalBar::derive()
{
    const Derive::Options options{m_light->isChecked(), m_colourBlind->isChecked()};
    const Derive::Result derived = Derive::fromColour(m_seeds.seed, options, m_seeds.accent);
    m_scheme = derived.scheme;
    m_scheme.setName(m_name);
    m_unmet->setVisible(!derived.everyPairMet);
    emit proposed(m_scheme);
}

void ProposalBar::retranslate()
{
    const Language language = Languages::current();
    m_from->setToolTip(caption());
    showFrom();
    m_dark->setText(Texts::get(Text::DeriveDark, language));
    m_light->setText(Texts::get(Text::DeriveLight, language));
    m_colourBlind->setText(Texts::get(Text::DeriveColourBlind, language));
    m_unmet->setText(Texts::get(Text::DeriveUnmet, language));
    m_unmet->setToolTip(m_fixAll ? SchemeCommands::unmetWords(m_fixAll->fixed, language) : QString());
    m_apply->setText(Texts::get(Text::DeriveApply, language));
    m_discard->setText(Texts::get(Text::DeriveDiscard, language));
}
