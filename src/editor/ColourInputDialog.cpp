#include "ColourInputDialog.h"

#include "ColourSwatch.h"
#include "ColourText.h"
#include "Texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// In the interface language of its opening; no switch comes while it is open.
ColourInputDialog::ColourInputDialog(const Rgb &colour, QWidget *parent) : QDialog(parent), m_colour(colour)
{
    const Language language = Languages::current();
    setObjectName(QStringLiteral("colourInputDialog"));
    setWindowTitle(Texts::get(Text::ColourDialogTitle, language));

    auto *prompt = new QLabel(Texts::get(Text::ColourDialogPrompt, language), this);
    m_text = new QLineEdit(ColourText::hex(colour), this);
    m_text->setObjectName(QStringLiteral("colourText"));
    m_text->selectAll();
    prompt->setBuddy(m_text);
    m_swatch = new ColourSwatch(this);
    m_swatch->setObjectName(QStringLiteral("colourTextSwatch"));
    m_swatch->setColour(colour);
    m_swatch->setFixedSize(48, 48);
    // Room for the longest message, so the dialog does not jump as one comes and goes.
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("colourTextProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setMinimumHeight(m_problem->fontMetrics().height());
    m_problem->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0, 1, 2);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(m_swatch, 1, 1, 2, 1);
    layout->addWidget(m_problem, 2, 0);
    layout->addWidget(m_buttons, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(m_text, &QLineEdit::textChanged, this, &ColourInputDialog::takeText);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ColourInputDialog::takeText(const QString &text)
{
    const auto colour = ColourText::parse(text);
    if (colour) {
        m_colour = *colour;
        m_swatch->setColour(*colour);
    }
    m_problemText = colour || text.trimmed().isEmpty()
                        ? QString()
                        : Texts::get(Text::NotAColour, Languages::current()).arg(ColourText::quoted(text));
    showProblem();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(colour.has_value());
}

void ColourInputDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showProblem();
}

void ColourInputDialog::showProblem()
{
    m_problem->setText(m_problem->fontMetrics().elidedText(m_problemText, Qt::ElideMiddle, m_problem->width()));
    m_problem->setToolTip(m_problem->text() == m_problemText ? QString() : m_problemText);
}
