// SPDX-License-Identifier: MIT
#include "reasons.h"

#include "output/script/scriptreading.h"

#include <QCoreApplication>

namespace tintforge {

namespace {

class Reasons
{
    Q_DECLARE_TR_FUNCTIONS(Reasons)

public:
    static QString of(Refusal refusal, std::size_t limit)
    {
        switch (refusal) {
        case Refusal::None:
            break;
        case Refusal::InUse:
            return tr("another program is using it");
        case Refusal::NoTemporaryName:
            return tr("no free temporary name beside it");
        case Refusal::ForeignLink:
            return tr("it is a symbolic link of another user's in a folder others may write to, "
                      "so it is not followed");
        case Refusal::NotOrdinaryFile:
            return tr("it is not an ordinary file");
        case Refusal::TooLarge:
            return tr("it is larger than %1 MB").arg(limit >> 20);
        case Refusal::LargerThanAnyScript:
            return tr("it is larger than %1 KiB, which no colour script is, even one edited by "
                      "hand")
                .arg(MaxOpenedScriptSize / 1024);
        case Refusal::NulInName:
            return tr("its name holds a NUL character, which no file's name does");
        case Refusal::InexactName:
            return tr("its name is not valid UTF-8, which the program needs to name it exactly");
        case Refusal::InexactHomeName:
            return tr("the home folder's name is not valid UTF-8, which the program needs to "
                      "name it exactly");
        case Refusal::InexactWinePrefixName:
            return tr("the Wine prefix (WINEPREFIX)'s name is not valid UTF-8, which the program "
                      "needs to name it exactly");
        case Refusal::Empty:
            return tr("the file is empty");
        case Refusal::NulBytes:
            return tr("it holds NUL bytes, as no text file does");
        case Refusal::LoneCarriageReturn:
            return tr("a carriage return in it ends no line, as in the lines a colour script "
                      "holds");
        case Refusal::NoSettingLine:
            return tr("it holds no name, host name or welcome message line");
        }
        return QString();
    }

    static QString systemError(long code) { return tr("system error %1").arg(code); }
};

} // namespace

QString reasonText(const SystemError &error)
{
    if (error.refusal != Refusal::None)
        return Reasons::of(error.refusal, error.limit);
    return error.reason.isEmpty() ? Reasons::systemError(error.code) : error.reason;
}

} // namespace tintforge
