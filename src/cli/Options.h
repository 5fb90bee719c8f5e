#pragma once

#include "CommandLine.h"
#include "Readability.h"
#include "Reports.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The options the program understands, a parser that knows them, and what the
// options given ask for: the mode they choose and its request, or the usage
// error they contain. Decided from the arguments alone, without touching a file.
class Options
{
public:
    Options();

    // The usage error of arguments the parser cannot take (an unknown option, a
    // missing value), if they hold one. Its words quote what was typed.
    std::optional<QString> take(const QStringList &arguments);

    bool helpAsked() const;
    bool versionAsked() const;
    // The help text, with the program's name, which no application object lends.
    QString helpText() const;

    // The mode the options choose (the editor unless one is), or the usage error
    // of modes given together.
    std::variant<CommandLine::Mode, QString> chosenMode() const;
    // The usage error of an option given without any mode it belongs to, if one is.
    std::optional<QString> misplacedOption() const;
    // The usage error of an option given more than once with values that differ,
    // if one is. The same value again changes nothing and is taken.
    std::optional<QString> repeatedValue() const;

    // The request of each mode, or the usage error its options contain. A mode
    // taken here is the one chosenMode() gives, with no option misplaced.
    std::variant<QStringList, QString> givenFiles(CommandLine::Mode mode) const; // Check and Editor
    std::variant<Reports::RenderRequest, QString> renderRequest() const;
    std::variant<Reports::ContrastRequest, QString> contrastRequest() const;
    std::variant<Reports::FixRequest, QString> fixRequest() const;
    std::variant<Reports::DeriveRequest, QString> deriveRequest() const;
    std::variant<Reports::ThumbnailRequest, QString> thumbnailRequest() const;
    // Editor: the toolkit was told where to show the window.
    bool toolkitPlatformChosen() const;

private:
    const QCommandLineOption *modeOption(CommandLine::Mode mode) const;
    QString modeName(CommandLine::Mode mode) const;
    std::optional<QString> emptyFileGiven(CommandLine::Mode mode) const;
    std::variant<double, QString> givenTextLevel() const;
    std::variant<Readability::Eyes, QString> givenEyes(CommandLine::Mode mode, const QStringList &allowed) const;
    std::optional<QString> unknownStandardScheme() const;

    static bool sameValue(const QString &a, const QString &b);
    static std::optional<double> textLevel(const QString &text);

    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption check;
    QCommandLineOption render;
    QCommandLineOption scale;
    QCommandLineOption phone;
    QCommandLineOption simulate;
    QCommandLineOption compare;
    QCommandLineOption standard;
    QCommandLineOption contrast;
    QCommandLineOption fix;
    QCommandLineOption derive;
    QCommandLineOption thumbnail;
    QCommandLineOption dark;
    QCommandLineOption light;
    QCommandLineOption name;
    QCommandLineOption vision;
    QCommandLineOption minRatio;
};
