#pragma once

#include "ColourScheme.h"
#include "Derive.h"
#include "SchemeCommands.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A scheme derived from a colour or a picture, offered before it replaces
// anything: what it came from, dark or light, also for colour-blind eyes or
// not, and Apply or Discard. Each choice derives the scheme anew.
// Fix all's result is offered the same way, with what it does in words in
// place of the choices, which are not its own (it follows the readability
// window's choice of eyes).
class ProposalBar : public QWidget
{
    Q_OBJECT
public:
    explicit ProposalBar(QWidget *parent = nullptr);

    // A proposal from the colours; `source` names them (the colour as #RRGGBB
    // or the picture's file name) and the scheme takes `name`.
    void propose(const Derive::Seeds &seeds, const QString &source, const QString &name, bool colourBlind);
    // Fix all's result, until another proposal comes.
    void proposeFixAll(const FixAllProposal &proposal);
    bool isFixAll() const { return m_fixAll.has_value(); }
    const ColourScheme &scheme() const { return m_scheme; }
    const QString &source() const { return m_source; }
    // What the proposal is, in the language of the moment: where the derived
    // scheme comes from, or what Fix all does.
    QString caption() const;
    // Apply waits while the editor is covered: nothing changes the scheme unseen.
    void setApplyAllowed(bool allowed);

protected:
    // What the proposal comes from is cut short to the room it has: a long file
    // name never widens the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A new proposal, or the same one under other choices.
    void proposed(const ColourScheme &scheme);
    void applyRequested(const ColourScheme &scheme, const QString &source);
    void fixAllApplyRequested(const FixAllProposal &proposal);
    void discarded();

private:
    void derive();
    void retranslate();
    void apply();
    void showFrom();

    Derive::Seeds m_seeds;
    QString m_source;
    QString m_name;
    ColourScheme m_scheme;
    std::optional<FixAllProposal> m_fixAll;
    QLabel *m_from;
    QRadioButton *m_dark;
    QRadioButton *m_light;
    QCheckBox *m_colourBlind;
    QLabel *m_unmet;
    QPushButton *m_apply;
    QPushButton *m_discard;
};
