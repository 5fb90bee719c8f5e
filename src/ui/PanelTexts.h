#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the information panels and the addresses the program links
// to. The maker, its people and its addresses are the program's own inventions
// (the addresses use the reserved .example domain).
class PanelTexts
{
public:
    static const QString kMakerName;
    static const QString kMakerWebPage;
    static const QString kMakerCaption; // what its link shows
    static const QString kForumName;
    static const QString kForumAddress;
    static const QString kForumCaption;
    static const QString kSiteName;
    static const QString kSiteAddress;
    static const QString kSiteCaption;
    static const QString kAuthorName;
    static const QString kAuthorMail;
    static const QString kSupportMail;   // where the mail link under the banner writes to
    static const QString kAuthorCredit;  // the caption of that mail link

    // The support panel's mail to the author, with the program's version in its
    // body below two line breaks; nothing else is encoded.
    static QString authorMailLink();

    // The credits: 19 lines and one empty line, each ended by CR LF.
    static QString thanks();
    // The disclaimer: 55 lines in ten paragraphs, CR LF after every line and one
    // more after each paragraph but the last.
    static QString disclaimer();
    static QStringList disclaimerParagraphs();
    // The three lines of the rights notice on the disclaimer panel.
    static QStringList rightsNotice();
};
