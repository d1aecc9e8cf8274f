// SPDX-License-Identifier: MIT
#pragma once

// The game folder that Make writes into, set up for one test, and the home folder it lies in.

#include <optional>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintforge::testing {

// Sets HOME, or unsets it, for one test, and puts it back as it was (unset included) whatever
// the test's outcome.
class HomeSetting
{
public:
    explicit HomeSetting(const std::optional<QByteArray> &home)
        : m_old(qEnvironmentVariableIsSet("HOME") ? std::optional(qgetenv("HOME")) : std::nullopt)
    {
        set(home);
    }
    ~HomeSetting() { set(m_old); }
    HomeSetting(const HomeSetting &) = delete;
    HomeSetting &operator=(const HomeSetting &) = delete;

private:
    static void set(const std::optional<QByteArray> &home)
    {
        if (home)
            qputenv("HOME", *home);
        else
            qunsetenv("HOME");
    }
    std::optional<QByteArray> m_old;
};

// On Windows the game's standard install path itself, "C:\Program Files\Raven\SOF\user", which
// the test removes again; where a game is installed there already, the test must leave it
// alone and usable() is false. Elsewhere the Linux release's ~/.loki/sof below a temporary home
// folder (HOME), restored whatever the test's outcome.
class TestGameFolder
{
public:
#ifdef Q_OS_WIN
    TestGameFolder() : m_usable(!QFileInfo::exists(Owned)) {}
    ~TestGameFolder()
    {
        if (m_usable)
            QDir(Owned).removeRecursively();
    }
    QString path() const
    {
        return QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
    }
#else
    TestGameFolder() : m_setting(QFile::encodeName(m_home.path())) {}
    QString path() const
    {
        return m_home.filePath(QStringLiteral(".loki/sof"));
    }
#endif
    TestGameFolder(const TestGameFolder &) = delete;
    TestGameFolder &operator=(const TestGameFolder &) = delete;

    bool usable() const
    {
        return m_usable;
    }
    bool create() const
    {
        return QDir().mkpath(path());
    }
    // A file in the folder, as the program names it in its messages.
    QString file(const char *name) const
    {
        return path() + QDir::separator() + QString::fromLatin1(name);
    }

private:
#ifdef Q_OS_WIN
    static constexpr QLatin1StringView Owned{"C:/Program Files/Raven"};
#else
    QTemporaryDir m_home;
    HomeSetting m_setting;
#endif
    bool m_usable = true;
};

} // namespace tintforge::testing
