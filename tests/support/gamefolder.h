// SPDX-License-Identifier: MIT
#pragma once

// The game folder that Make writes into, set up for one test, and the home folder it lies in.

#include <optional>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintforge::testing {

// Sets an environment variable, or unsets it, for one test, and puts it back as it was (unset
// included) whatever the test's outcome.
class EnvironmentSetting
{
public:
    EnvironmentSetting(const char *name, const std::optional<QByteArray> &value)
        : m_name(name),
          m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        set(value);
    }
    ~EnvironmentSetting() { set(m_old); }
    EnvironmentSetting(const EnvironmentSetting &) = delete;
    EnvironmentSetting &operator=(const EnvironmentSetting &) = delete;

private:
    void set(const std::optional<QByteArray> &value) const
    {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }
    const char *m_name;
    std::optional<QByteArray> m_old;
};

// HOME for one test.
class HomeSetting : public EnvironmentSetting
{
public:
    explicit HomeSetting(const std::optional<QByteArray> &home) : EnvironmentSetting("HOME", home)
    {}
};

// On Windows the game's standard install path itself, "C:\Program Files\Raven\SOF\user", which
// the test removes again; where a game is installed there or in the folder for 32-bit programs
// already, the test must leave it alone and usable() is false. Elsewhere the Linux release's
// ~/.loki/sof below a temporary home folder (HOME), restored whatever the test's outcome, with no
// Wine prefix named (WINEPREFIX), so that Make never finds a game installed on the machine.
class TestGameFolder
{
public:
#ifdef Q_OS_WIN
    TestGameFolder()
        : m_usable(!QFileInfo::exists(Owned) &&
                   !QFileInfo::exists(qEnvironmentVariable("ProgramFiles(x86)") +
                                      QStringLiteral("/Raven")))
    {}
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
    TestGameFolder() : m_setting(QFile::encodeName(m_home.path())), m_noPrefix("WINEPREFIX", {}) {}
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
    EnvironmentSetting m_noPrefix;
#endif
    bool m_usable = true;
};

// A file in a folder, with the system's separators.
inline QString inFolder(const QString &folder, const char *name)
{
    return QDir::toNativeSeparators(folder + u'/' + QString::fromLatin1(name));
}

#ifdef Q_OS_WIN
// The game's folder under the folder for 32-bit programs, and its twin in VirtualStore, spelled
// from the system's environment.
inline QString programs32Game()
{
    return QDir::toNativeSeparators(qEnvironmentVariable("ProgramFiles(x86)") +
                                    QStringLiteral("/Raven/SOF/user"));
}
inline QString virtualStoreOf(const QString &path)
{
    return QDir::toNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")) +
           QStringLiteral("\\VirtualStore") + path.mid(2);
}
#endif

} // namespace tintforge::testing
