// Everything the user reads is Russian: Qt's own texts, and the reasons the
// program gives when a file cannot be read or written.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>

#include "forms/failure_reason.h"
#include "forms/picture.h"

namespace {

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
}

TEST(RussianTexts, QtsOwnTextsAreTranslated)
{
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    int items = 0;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++items;
        EXPECT_TRUE(hasCyrillic(action->text())) << action->text().toStdString();
    }
    EXPECT_GE(items, 5);

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    for (const QAbstractButton *button : buttons.buttons()) {
        if (button == buttons.button(QDialogButtonBox::Ok))
            continue; // "OK" reads the same in Russian
        EXPECT_TRUE(hasCyrillic(button->text())) << button->text().toStdString();
    }
}

TEST(RussianTexts, SystemErrorsHaveRussianReasonsForTheCommonCases)
{
    const std::pair<int, const char *> cases[] = {
        {EACCES, "нет прав доступа"},
        {EPERM, "нет прав доступа"},
        {EROFS, "диск доступен только для чтения"},
        {ENOSPC, "на диске не хватает места"},
        {EDQUOT, "на диске не хватает места"},
        {ENOENT, "файл или папка не найдены"},
        {EISDIR, "на месте файла находится папка"},
        {ENOTDIR, "на месте папки находится файл"},
        {EEXIST, "на месте папки находится файл"},
    };
    for (const auto &[error, reason] : cases)
        EXPECT_EQ(forms::systemErrorReason(error), forms::textFromUtf8(reason)) << error;
    // Anything else: the system's own words rather than none.
    EXPECT_EQ(forms::systemErrorReason(EMLINK), forms::textFromUtf8(std::strerror(EMLINK)));
}

struct PictureCase {
    const char *label;
    std::function<QString(const QTemporaryDir &)> prepare; // gives the file to load
    const char *reason;
    bool needsUnprivilegedUser;
};

void PrintTo(const PictureCase &testCase, std::ostream *out) { *out << testCase.label; }

class PictureReason : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureReason, NamesWhatKeepsThePictureFromBeingRead)
{
    if (GetParam().needsUnprivilegedUser && ::geteuid() == 0)
        GTEST_SKIP() << "root reads anything";
    QTemporaryDir folder;
    const QString file = GetParam().prepare(folder);
    try {
        forms::loadPicture(file.toStdU16String());
        ADD_FAILURE() << "loaded";
    } catch (const forms::PictureError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Не удалось загрузить рисунок \"%1\": %2")
                                       .arg(file, QString::fromUtf8(GetParam().reason))
                                       .toStdU16String());
    }
}

QString writeFile(const QTemporaryDir &folder, const char *name, const QByteArray &bytes)
{
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return file.fileName();
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureReason,
    testing::Values(
        PictureCase{"Missing", [](const QTemporaryDir &folder) { return folder.filePath("none.jpg"); },
                    "файл или папка не найдены", false},
        PictureCase{"FileInsteadOfItsFolder",
                    [](const QTemporaryDir &folder) { return writeFile(folder, "skin", "x") + "/shot.jpg"; },
                    "на месте папки находится файл", false},
        PictureCase{"AFolder",
                    [](const QTemporaryDir &folder) {
                        QDir(folder.path()).mkdir("shot.jpg");
                        return folder.filePath("shot.jpg");
                    },
                    "на месте файла находится папка", false},
        PictureCase{"NotAPicture",
                    [](const QTemporaryDir &folder) { return writeFile(folder, "shot.jpg", "\xFF\xD8\xFF\xE0 no JPEG"); },
                    "файл повреждён или не является рисунком", false},
        PictureCase{"Empty", [](const QTemporaryDir &folder) { return writeFile(folder, "shot.jpg", ""); },
                    "файл повреждён или не является рисунком", false},
        PictureCase{"NoPermission",
                    [](const QTemporaryDir &folder) {
                        const QString file = writeFile(folder, "shot.jpg", "x");
                        QFile::setPermissions(file, QFile::WriteOwner);
                        return file;
                    },
                    "нет прав доступа", true}),
    [](const testing::TestParamInfo<PictureCase> &info) { return std::string(info.param.label); });

} // namespace
