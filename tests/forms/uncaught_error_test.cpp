// An exception that no handler catches is reported in a message box naming
// what failed, and the program ends with a non-zero status.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "forms/errors.h"

namespace {

struct Outcome {
    int exitCode;
    QProcess::ExitStatus exitStatus;
    QStringList boxes; // lines of the message-box log
};

Outcome runHelper(const QStringList &arguments)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("boxes.log"));
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PELLORY_MESSAGE_BOX_LOG"), log);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(UNCAUGHT_ERROR_HELPER), arguments);
    EXPECT_TRUE(helper.waitForFinished(20000)) << "the helper hung";
    QFile file(log);
    QStringList boxes;
    if (file.open(QIODevice::ReadOnly))
        boxes = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return {helper.exitCode(), helper.exitStatus(), boxes};
}

struct Case {
    const char *mode;
    const char *procedure; // named in the report
    const char *failure;   // what the report says failed
};

class UncaughtError : public ::testing::TestWithParam<Case> {};

TEST_P(UncaughtError, IsReportedOnceAndEndsTheProgramWithAFailureStatus)
{
    const Case c = GetParam();
    QTemporaryDir dir;
    const QString missingPicture = dir.filePath(QStringLiteral("skins/Нет/background.jpg"));
    const Outcome outcome = runHelper({QString::fromLatin1(c.mode), missingPicture});

    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit) << "the helper crashed";
    EXPECT_EQ(outcome.exitCode, forms::UncaughtErrorExitStatus);
    ASSERT_EQ(outcome.boxes.size(), 1) << outcome.boxes.join(u'|').toStdString();
    const QStringList fields = outcome.boxes[0].split(u'\t');
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0], QStringLiteral("Pellory"));
    EXPECT_EQ(fields[1], QStringLiteral("critical"));
    QString failure = QString::fromUtf8(c.failure);
    failure.replace(QStringLiteral("{picture}"), missingPicture);
    EXPECT_TRUE(fields[2].contains(failure)) << fields[2].toStdString();
    EXPECT_TRUE(fields[2].contains(QString::fromUtf8(c.procedure))) << fields[2].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Handlers, UncaughtError,
                         ::testing::Values(Case{"load", "Form_Load", "нет файла options.dat"},
                                           Case{"paint", "Form_Paint", "paint failed"},
                                           Case{"signal", "", "{picture}"},
                                           Case{"unknown", "", "неизвестная ошибка"}),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.mode);
                         });

TEST(UncaughtErrorHelper, EndsNormallyWhenNothingFails)
{
    const Outcome outcome = runHelper({QStringLiteral("none")});
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.boxes.isEmpty());
}

} // namespace
