#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;

// A link (in the style of LinkStyle) that underlines itself while the pointer
// is over it and, clicked, opens a web address or composes a mail. The
// properties are set by the host at run time; nothing is read back.
class LinkControl : public QWidget
{
    Q_OBJECT
public:
    // The underline goes within this many milliseconds of the pointer leaving.
    static constexpr int kHoverInterval = 100;

    explicit LinkControl(QWidget *parent = nullptr);

    void setHTTPLink(const QString &address) { m_webAddress = address; }
    void setLinkTitle(const QString &title);
    void setEMailMailTo(const QString &recipient) { m_recipient = recipient; }
    void setEMailSubject(const QString &subject) { m_subject = subject; }
    // Stored with its line breaks encoded (convertMailStr).
    void setEMailBody(const QString &body) { m_body = convertMailStr(body); }
    // Mail mode shows the envelope and moves the text beside it.
    void setIsEMailLink(bool mail);

    // Every carriage return as "%0D" and every line feed as "%0A"; nothing else
    // is escaped.
    static QString convertMailStr(const QString &text);

    // The link a click opens now.
    QString link() const;

    // One tick of the hover watch (HoverWatch::check): the underline goes once
    // the pointer is outside the text.
    void checkHover();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *picBack = nullptr;
    QLabel *picMailLogo0 = nullptr;
    ClickableLabel *Link = nullptr;

    QString m_webAddress;
    QString m_recipient;
    QString m_subject;
    QString m_body;
    bool m_mail = false;
};
