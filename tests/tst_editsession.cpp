// The editing session's rules without a window: the colour each kind of change
// leaves to go back to, which of Undo and Redo it offers, and what it
// announces. The window tests keep what only the window shows.

#include "EditSession.h"
#include "SchemeModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(Rgb)

namespace {

Rgb colourOf(const QString &hex)
{
    const uint value = hex.toUInt(nullptr, 16);
    return {quint8(value >> 16), quint8(value >> 8), quint8(value)};
}

} // namespace

class TestEditSession : public QObject
{
    Q_OBJECT
private slots:
    void everyChangeLeavesItsStep_data();
    void everyChangeLeavesItsStep();
};

void TestEditSession::everyChangeLeavesItsStep_data()
{
    // Steps on element 4 of the blue scheme, (0, 0, 192): "type C V" is a
    // keystroke in channel C, "guarded" one while the editor is being loaded,
    // "paste", "palette" and "pick" give a colour as those do.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<bool>("undo"); // offered
    QTest::addColumn<bool>("redo");
    QTest::addColumn<int>("announced"); // the last change announced, -1 none
    using Change = EditSession::Change;
    const QStringList typed{u"type 0 10"_s};
    QTest::newRow("a keystroke") << typed << Rgb{10, 0, 192} << true << false << -1;
    QTest::newRow("undone") << typed + QStringList{u"undo"_s} << Rgb{0, 0, 192} << false << true << int(Change::Undo);
    QTest::newRow("undone, redone")
        << typed + QStringList{u"undo"_s, u"redo"_s} << Rgb{10, 0, 192} << true << false << int(Change::Redo);
    QTest::newRow("undo before any change") << QStringList{u"undo"_s} << Rgb{0, 0, 192} << false << true
                                            << -1;
    // A palette click is a step of its own, but offers Undo no more than typing.
    QTest::newRow("a palette click after an undo")
        << QStringList{u"undo"_s, u"palette 112233"_s} << colourOf(u"112233"_s) << false << true
        << int(Change::PaletteClick);
    // The program's own commands offer Undo again, and one Undo takes each back.
    QTest::newRow("a paste after an undo")
        << QStringList{u"undo"_s, u"paste 112233"_s} << colourOf(u"112233"_s) << true << true << int(Change::Paste);
    QTest::newRow("a paste undone") << QStringList{u"paste 112233"_s, u"undo"_s} << Rgb{0, 0, 192} << false << true
                                    << int(Change::Undo);
    // A pick shows the colour the pane showed, leaves Redo as it was, and goes
    // back to the colour before it.
    QTest::newRow("a pick after an undo")
        << QStringList{u"undo"_s, u"pick 778899"_s} << colourOf(u"778899"_s) << true << true << int(Change::Pick);
    QTest::newRow("a pick undone") << QStringList{u"pick 778899"_s, u"undo"_s} << Rgb{0, 0, 192} << false << true
                                   << int(Change::Undo);
    // While the editor is loaded, its boxes write nothing into the table.
    QTest::newRow("a keystroke while guarded") << QStringList{u"guarded 0 50"_s} << Rgb{0, 0, 192} << true << false
                                               << -1;
}

void TestEditSession::everyChangeLeavesItsStep()
{
    QFETCH(QStringList, steps);
    QFETCH(Rgb, colour);
    QFETCH(bool, undo);
    QFETCH(bool, redo);
    QFETCH(int, announced);
    SchemeModel scheme;
    scheme.loadStandard(StandardScheme::Blue);
    EditSession session(scheme);
    QSignalSpy chosen(&session, &EditSession::currentElementChanged);
    QSignalSpy given(&session, &EditSession::colourGiven);
    session.choose(4);
    session.choose(4); // announced again, also when it already is
    QCOMPARE(chosen.count(), 2);
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const QString &what = words.constFirst();
        if (what == u"type") {
            session.rememberUndo();
            session.writeChannel(words.at(1).toInt(), quint8(words.at(2).toInt()));
        } else if (what == u"guarded") {
            const EditSession::Guard guard(session);
            session.writeChannel(words.at(1).toInt(), quint8(words.at(2).toInt()));
        } else if (what == u"paste") {
            session.giveColour(colourOf(words.at(1)), EditSession::Change::Paste);
        } else if (what == u"palette") {
            session.giveColour(colourOf(words.at(1)), EditSession::Change::PaletteClick);
        } else if (what == u"pick") {
            session.pick(4, colourOf(words.at(1)));
        } else if (what == u"undo") {
            session.undo();
        } else if (what == u"redo") {
            session.redo();
        }
    }
    QCOMPARE(session.currentColour(), std::optional(colour));
    QCOMPARE(scheme.colour(4), colour);
    QCOMPARE(session.history().isUndoOffered(), undo);
    QCOMPARE(session.history().isRedoOffered(), redo);
    if (announced < 0)
        QVERIFY(given.isEmpty());
    else
        QCOMPARE(given.constLast().at(1).value<EditSession::Change>(), EditSession::Change(announced));
    // A choice announces itself, and so does a pick, which chooses its element.
    QCOMPARE(chosen.count(), 2 + int(steps.filter(u"pick"_s).size()));
}

QTEST_GUILESS_MAIN(TestEditSession)
#include "tst_editsession.moc"
