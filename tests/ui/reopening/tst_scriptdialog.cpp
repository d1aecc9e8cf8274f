// SPDX-License-Identifier: MIT
// The system's open dialog on Windows, answered as a user would: a thread waits for it by its
// title, types a name into its file name box and presses Open, or cancels it.
#include "ui/reopening/scriptdialog.h"
#include "ui/words/windowwords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace tintforge;
using namespace std::chrono_literals;

namespace {

// The file name box: a combo box in the dialog Windows shows, an edit field in older ones.
constexpr int FileNameBoxes[] = {0x47c, 0x480};

void answerDialog(const std::wstring &typed, std::atomic<bool> &seen)
{
    const std::wstring title = scriptDialogTitle().toStdWString();
    for (int tries = 0; tries < 300; ++tries) {
        if (HWND dialog = FindWindowW(nullptr, title.c_str())) {
            seen = true;
            if (typed.empty()) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            for (const int box : FileNameBoxes)
                SetDlgItemTextW(dialog, box, typed.c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            return;
        }
        std::this_thread::sleep_for(100ms);
    }
}

} // namespace

class TestScriptDialog : public QObject
{
    Q_OBJECT

private slots:
    void answersWithTheChosenScript_data();
    void answersWithTheChosenScript();
};

void TestScriptDialog::answersWithTheChosenScript_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a name in the folder it starts in") << QStringLiteral("color.cfg") << true;
    QTest::newRow("cancelled") << QString() << false;
}

void TestScriptDialog::answersWithTheChosenScript()
{
    QFETCH(QString, typed);
    QFETCH(bool, opened);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile script(folder.filePath(QStringLiteral("color.cfg")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.close();

    std::atomic<bool> seen = false;
    std::thread user(answerDialog, typed.toStdWString(), std::ref(seen));
    const QString chosen = chooseScriptInDialog(nullptr, folder.path());
    user.join();

    QVERIFY(seen);
    QCOMPARE(chosen, opened ? QDir(folder.path()).absoluteFilePath(typed) : QString());
}

QTEST_MAIN(TestScriptDialog)
#include "tst_scriptdialog.moc"
