// SPDX-License-Identifier: MIT
// What the user is told about a file: its name as it is, and where Make looked for the game.
#include "ui/words/filemessages.h"
#include "ui/words/windowwords.h"

#include <QTest>

using namespace tintforge;

Q_DECLARE_METATYPE(tintforge::OpenCause)

class TestFileMessages : public QObject
{
    Q_OBJECT

private slots:
    // A name shows in a message as it is but for control characters, which stand escaped: a
    // crafted name cannot add a line of its own to the message, nor take in what follows it.
    void namesShowWithControlCharactersEscaped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("/home/orv/M\u00FCller")
                               << QStringLiteral("\"/home/orv/M\u00FCller\"");
        QTest::newRow("a line break") << QStringLiteral("/tmp/a\nUse \"...\"")
                                      << QStringLiteral("\"/tmp/a\\x0AUse \"...\"\"");
        QTest::newRow("escape, delete and C1")
            << QStringLiteral("\x1B[31m\x7F\u009B") << QStringLiteral("\"\\x1B[31m\\x7F\\x9B\"");
        QTest::newRow("placeholders")
            << QStringLiteral("/tmp/%2 %1") << QStringLiteral("\"/tmp/%2 %1\"");
    }
    void namesShowWithControlCharactersEscaped()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(writeFailureMessage(FileError{name, SystemError{QStringLiteral("reason")}}),
                 QStringLiteral("Could not write %1: reason.").arg(shown));
        QCOMPARE(keptScriptsMessage({name}),
                 QStringLiteral("The color.cfg replaced held lines of your own, which the script "
                                "does not write: it is kept as %1.")
                     .arg(shown));
        QVERIFY(notAnsweringMessage(name, std::chrono::seconds(3), Waiting::Writing)
                    .startsWith(
                        QStringLiteral("Nothing has come back from %1 for 3 seconds").arg(shown)));
    }
    // Where Make writes, or every place it looked in and what to do: the standard place first,
    // then the others a line each. Where Windows redirects the game out of a folder, its
    // VirtualStore copy is named with it.
    void whereMakeLookedIsSaid_data()
    {
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QString>("twin"); // the first place's; none where empty
        QTest::addColumn<QString>("shown");
        QTest::newRow("other places")
            << QStringList{QStringLiteral("/h/.loki/sof"), QStringLiteral("/h/.wine/x86"),
                           QStringLiteral("/h/.wine/user")}
            << QString() << QStringLiteral("\"/h/.loki/sof\"");
        const QString standard = QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
        const QString twin =
            QStringLiteral("C:\\Users\\o\\AppData\\Local\\VirtualStore") + standard.mid(2);
        QTest::newRow("redirected")
            << QStringList{standard, QStringLiteral("D:\\SOF\\user")} << twin
            << QStringLiteral("\"%1\" (or its VirtualStore copy \"%2\")").arg(standard, twin);
    }
    void whereMakeLookedIsSaid()
    {
        QFETCH(QStringList, places);
        QFETCH(QString, twin);
        QFETCH(QString, shown);
        WriteFailure failure;
        failure.files.push_back({places[0] + QStringLiteral("/color.cfg"),
                                 FileCause(SystemError{QStringLiteral("gone")})});
        for (const QString &place : places)
            failure.lookedIn.push_back({place, {}, {}});
        if (!twin.isEmpty())
            failure.lookedIn[0].twin = twin;
        const QString others = u'"' + places.mid(1).join(QStringLiteral("\"\n\"")) + u'"';
        const QString chooseAnother =
            QStringLiteral("\nUse \"...\" (save in another folder) to choose another folder.");
        QCOMPARE(writeFailureMessage(failure),
                 QStringLiteral("Could not write \"%1/color.cfg\": gone.\n\nThe game's folder was "
                                "not found there%2, nor in:\n")
                         .arg(places[0], shown.mid(places[0].size() + 2)) +
                     others + chooseAnother);
        QCOMPARE(makeDestinationText({{failure.lookedIn[0], false, failure.lookedIn}, {}}),
                 QStringLiteral("The game's folder was not found in %1, nor in:\n").arg(shown) +
                     others + u'.' + chooseAnother);
        QCOMPARE(makeDestinationText({{failure.lookedIn[0], true, failure.lookedIn}, places[0]}),
                 QStringLiteral("Writes color.cfg into \"%1\".").arg(places[0]));
        QCOMPARE(makeDestinationText({{failure.lookedIn[0], true, {}}, QStringLiteral("/v")}),
                 QStringLiteral("Writes color.cfg into \"/v\".\nThis is the game's VirtualStore "
                                "copy of \"%1\".")
                     .arg(places[0]));
    }

    // The program's own reasons, where the system has none, as the user reads them.
    void ownReasonsAreSaid_data()
    {
        QTest::addColumn<OpenCause>("cause");
        QTest::addColumn<QString>("said");
        QTest::newRow("not a file") << OpenCause(FileCause(FileRefusal::NotOrdinaryFile))
                                    << QStringLiteral("it is not an ordinary file");
        QTest::newRow("too large for a script")
            << OpenCause(OpenRefusal::LargerThanAnyScript)
            << QStringLiteral("it is larger than 64 KiB, which no colour script is, even one "
                              "edited by hand");
        QTest::newRow("too large") << OpenCause(FileCause(TooLarge{std::size_t(64) << 20}))
                                   << QStringLiteral("it is larger than 64 MB");
        QTest::newRow("a link to nothing")
            << OpenCause(FileCause(DanglingLink{QStringLiteral("/gone/x.cfg")}))
            << QStringLiteral("it is a symbolic link to \"/gone/x.cfg\", which does not exist");
        QTest::newRow("part left in")
            << OpenCause(FileCause(PartLeftIn{{QStringLiteral("Disk full"), 28}}))
            << QStringLiteral("Disk full; another program wrote to it meanwhile, so the part "
                              "already written was left in it");
    }
    void ownReasonsAreSaid()
    {
        QFETCH(OpenCause, cause);
        QFETCH(QString, said);
        const QString path = QStringLiteral("/x");
        QCOMPARE(openFailureMessage(OpenFailure{path, {path, cause}}),
                 QStringLiteral("Could not open \"/x\": %1.").arg(said));
    }
};

QTEST_GUILESS_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
