// SPDX-License-Identifier: MIT
#include "reasons.h"

#include "output/files/shownname.h"

#include <QCoreApplication>

namespace tintforge {

namespace {

class Reasons
{
    Q_DECLARE_TR_FUNCTIONS(Reasons)

public:
    static QString of(FileRefusal refusal)
    {
        switch (refusal) {
        case FileRefusal::InUse:
            return tr("another program is using it");
        case FileRefusal::NoTemporaryName:
            return tr("no free temporary name beside it");
        case FileRefusal::ForeignLink:
            return tr("it is a symbolic link of another user's in a folder others may write to, "
                      "so it is not followed");
        case FileRefusal::NotOrdinaryFile:
            return tr("it is not an ordinary file");
        case FileRefusal::NulInName:
            return tr("its name holds a NUL character, which no file's name does");
        case FileRefusal::SlashInName:
            return tr("its name holds a slash (%2F), which no file's name does");
        case FileRefusal::InexactName:
            return tr("its name is not valid UTF-8, which the program needs to name it exactly");
        }
        return QString();
    }

    static QString of(ScriptRefusal refusal)
    {
        switch (refusal) {
        case ScriptRefusal::Empty:
            return tr("the file is empty");
        case ScriptRefusal::NulBytes:
            return tr("it holds NUL bytes, as no text file does");
        case ScriptRefusal::LoneCarriageReturn:
            return tr("a carriage return in it ends no line, as in the lines a colour script "
                      "holds");
        case ScriptRefusal::NoSettingLine:
            return tr("it holds no name, host name or welcome message line");
        }
        return QString();
    }

    static QString of(GameRefusal refusal)
    {
        switch (refusal) {
        case GameRefusal::InexactHomeName:
            return tr("the home folder's name is not valid UTF-8, which the program needs to "
                      "name it exactly");
        case GameRefusal::InexactWinePrefixName:
            return tr("the Wine prefix (WINEPREFIX)'s name is not valid UTF-8, which the program "
                      "needs to name it exactly");
        }
        return QString();
    }

    static QString of(OpenRefusal refusal)
    {
        switch (refusal) {
        case OpenRefusal::LargerThanAnyScript:
            return tr("it is larger than %1 KiB, which no colour script is, even one edited by "
                      "hand")
                .arg(MaxOpenedScriptSize / 1024);
        }
        return QString();
    }

    static QString tooLarge(std::size_t limit)
    {
        return tr("it is larger than %1 MB").arg(limit >> 20);
    }

    static QString partLeft(const QString &reason)
    {
        return tr("%1; another program wrote to it meanwhile, so the part already written was "
                  "left in it")
            .arg(reason);
    }

    static QString systemError(long code) { return tr("system error %1").arg(code); }
};

template <typename Cause> QString textOf(const Cause &cause)
{
    return std::visit([](const auto &reason) { return reasonText(reason); }, cause);
}

} // namespace

QString reasonText(const SystemError &error)
{
    return error.reason.isEmpty() ? Reasons::systemError(error.code) : error.reason;
}

QString reasonText(FileRefusal refusal)
{
    return Reasons::of(refusal);
}

QString reasonText(const TooLarge &tooLarge)
{
    return Reasons::tooLarge(tooLarge.limit);
}

QString reasonText(const PartLeftIn &partLeft)
{
    return Reasons::partLeft(reasonText(partLeft.error));
}

QString reasonText(const DanglingLink &link)
{
    return Reasons::tr("it is a symbolic link to %1, which does not exist")
        .arg(quotedName(link.target));
}

QString reasonText(ScriptRefusal refusal)
{
    return Reasons::of(refusal);
}

QString reasonText(GameRefusal refusal)
{
    return Reasons::of(refusal);
}

QString reasonText(OpenRefusal refusal)
{
    return Reasons::of(refusal);
}

QString reasonText(const FileCause &cause)
{
    return textOf(cause);
}

QString reasonText(const WriteCause &cause)
{
    return textOf(cause);
}

QString reasonText(const OpenCause &cause)
{
    return textOf(cause);
}

} // namespace tintforge
