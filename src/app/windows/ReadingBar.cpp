#include "ReadingBar.h"

#include "LanguageFollower.h"
#include "Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

ReadingBar::ReadingBar(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("readingBar"));
    m_text->setObjectName(QStringLiteral("readingText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_cancel->setObjectName(QStringLiteral("readingCancel"));
    auto *busy = new QProgressBar(this);
    busy->setObjectName(QStringLiteral("readingBusy"));
    busy->setRange(0, 0); // no steps to count: a busy sign
    busy->setTextVisible(false);
    busy->setMaximumWidth(120);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text, 1);
    layout->addWidget(busy);
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &ReadingBar::cancelled);
    showText();
    new LanguageFollower(this, [this] { showText(); });
}

void ReadingBar::showReading(const QString &fileName)
{
    m_fileName = fileName;
    showText();
    show();
}

void ReadingBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showText();
}

void ReadingBar::showText()
{
    const Language language = Languages::current();
    const QString text = Texts::get(Text::ReadingPicture, language).arg(m_fileName);
    m_text->setText(m_text->fontMetrics().elidedText(text, Qt::ElideMiddle, m_text->width()));
    m_text->setToolTip(text);
    m_cancel->setText(Texts::get(Text::CancelReading, language));
}
