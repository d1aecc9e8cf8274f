// SPDX-License-Identifier: MIT
// What a screen reader is told about a field's text, at every offset, and at once.
#include "support/mainwindow.h"
#include "support/widgets.h"
#include "ui/look/windowlook.h"

#include <chrono>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace tintforge;

class TestAccessibleField : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> form;

    template <typename T = QWidget> T *control(const char *name)
    {
        return testing::control<T>(form.get(), name);
    }

private slots:
    void initTestCase() { installFormStyle(); }
    void init()
    {
        form = testing::shownMainWindow();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    // What a screen reader asks of a field's text, answered at every offset as AT-SPI counts
    // pieces: the text is cut into `pieces`; at an offset the piece holding it, before and after
    // it its neighbours. At the end of the text, where the caret stands after typing, the last
    // piece for all but characters, where there is none.
    void fieldsAnswerTextQuestionsExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<QStringList>("pieces");
        const int word = QAccessible::WordBoundary;
        const QString player = QStringLiteral("Player");
        QTest::newRow("one word") << player << word << QStringList{player};
        QTest::newRow("words with the spaces after them")
            << QStringLiteral("Welcome brave Ruk warriors") << word
            << QStringList{QStringLiteral("Welcome "), QStringLiteral("brave "),
                           QStringLiteral("Ruk "), QStringLiteral("warriors")};
        QTest::newRow("punctuation and glyphs go with the word before")
            << QStringLiteral("Orv, the \u00C0-Team!") << word
            << QStringList{QStringLiteral("Orv, "), QStringLiteral("the "),
                           QStringLiteral("\u00C0-"), QStringLiteral("Team!")};
        QTest::newRow("space before the first word")
            << QStringLiteral(" Orv x") << word
            << QStringList{QStringLiteral(" "), QStringLiteral("Orv "), QStringLiteral("x")};
        QTest::newRow("sentences with the spaces after them")
            << QStringLiteral("Hi all. Play fair!  Bye") << int(QAccessible::SentenceBoundary)
            << QStringList{QStringLiteral("Hi all. "), QStringLiteral("Play fair!  "),
                           QStringLiteral("Bye")};
        QTest::newRow("one line") << QStringLiteral("Hi all. Bye") << int(QAccessible::LineBoundary)
                                  << QStringList{QStringLiteral("Hi all. Bye")};
        QTest::newRow("characters")
            << QStringLiteral("Orv") << int(QAccessible::CharBoundary)
            << QStringList{QStringLiteral("O"), QStringLiteral("r"), QStringLiteral("v")};
        QTest::newRow("empty field") << QString() << word << QStringList();
    }
    void fieldsAnswerTextQuestionsExactly()
    {
        QFETCH(QString, text);
        QFETCH(int, boundary);
        QFETCH(QStringList, pieces);
        auto *field = control<QLineEdit>("messageField");
        field->setText(text);
        QAccessibleTextInterface *reader =
            QAccessible::queryAccessibleInterface(field)->textInterface();
        QVERIFY(reader);
        const auto type = QAccessible::TextBoundaryType(boundary);
        const testing::Watchdog watchdog(std::chrono::seconds(20));
        const auto ask = [&](auto question, int offset) {
            int start = -1;
            int end = -1;
            const QString piece = (reader->*question)(offset, type, &start, &end);
            return QStringLiteral("%1 %2-%3").arg(piece).arg(start).arg(end);
        };
        // Each piece with its place, and an empty piece where there is none.
        QStringList placed;
        for (int start = 0; const QString &piece : pieces) {
            placed << QStringLiteral("%1 %2-%3").arg(piece).arg(start).arg(start + piece.size());
            start += int(piece.size());
        }
        const auto placedAt = [&](qsizetype i, int emptyAt) {
            return i >= 0 && i < placed.size() ? placed[i] : QStringLiteral(" %1-%1").arg(emptyAt);
        };
        const int size = int(text.size());
        for (int offset = 0, i = 0, start = 0; offset <= size; ++offset) {
            if (i < pieces.size() && offset == start + pieces[i].size())
                start += int(pieces[i++].size());
            const bool atEnd = offset == size;
            const qsizetype at = atEnd && type != QAccessible::CharBoundary ? i - 1 : i;
            QCOMPARE(ask(&QAccessibleTextInterface::textAtOffset, offset), placedAt(at, size));
            QCOMPARE(ask(&QAccessibleTextInterface::textBeforeOffset, offset), placedAt(at - 1, 0));
            QCOMPARE(ask(&QAccessibleTextInterface::textAfterOffset, offset),
                     placedAt(at + 1, size));
        }
    }

    // Every question at every offset of every field, the glyph box's edit included, comes back
    // at once with a piece of the text; attributes come as one run over the whole text, so a
    // reader that walks the runs reads every character.
    void everyTextQuestionIsAnsweredAtOnce_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("clan, empty") << QStringLiteral("clanField") << QString();
        QTest::newRow("name") << QStringLiteral("nameField") << QStringLiteral("Player");
        QTest::newRow("message") << QStringLiteral("messageField")
                                 << QStringLiteral("Hi all. Play fair!  Bye");
        QTest::newRow("glyph box") << QStringLiteral("glyphBox") << QStringLiteral("\u00C0");
    }
    void everyTextQuestionIsAnsweredAtOnce()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QWidget *widget = control(field.toLatin1().constData());
        auto *edit = qobject_cast<QLineEdit *>(widget);
        if (auto *box = qobject_cast<QComboBox *>(widget))
            edit = box->lineEdit();
        QVERIFY(edit);
        edit->setText(text);
        QAccessibleTextInterface *reader =
            QAccessible::queryAccessibleInterface(edit)->textInterface();
        QVERIFY(reader);
        QCOMPARE(reader->characterCount(), text.size());

        // A question that never returns ends the test rather than hanging it.
        const testing::Watchdog watchdog(std::chrono::seconds(20));
        using Question = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType,
                                                               int *, int *) const;
        for (const Question question :
             {&QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
              &QAccessibleTextInterface::textAfterOffset}) {
            for (const auto type : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                    QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                    QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                for (int offset = 0; offset <= text.size(); ++offset) {
                    int start = -1;
                    int end = -1;
                    const QString piece = (reader->*question)(offset, type, &start, &end);
                    QVERIFY(0 <= start && start <= end && end <= text.size());
                    QCOMPARE(piece, text.mid(start, end - start));
                }
            }
        }
        for (int offset = 0; offset <= text.size(); ++offset) {
            int start = -1;
            int end = -1;
            QCOMPARE(reader->attributes(offset, &start, &end), QString());
            QCOMPARE(start, 0);
            QCOMPARE(end, text.size());
        }
    }
};

QTEST_MAIN(TestAccessibleField)
#include "tst_accessiblefield.moc"
