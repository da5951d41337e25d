#include "forms/message_box.h"

#include <QFile>
#include <QMessageBox>

#include "forms/program.h"

namespace forms {
namespace {

MessageBoxHandler &installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

const char *iconName(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? "critical" : "none";
}

// Returns false when the log file could not be written, so the box is shown instead.
bool appendToLog(const QString &logFile, const MessageBoxRecord &box)
{
    QFile file(logFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QString text = QString::fromStdU16String(box.text);
    text.replace(u'\n', QStringLiteral("\\n"));
    const QString line = QString::fromStdU16String(box.title) + u'\t' + QLatin1String(iconName(box.icon)) +
                         u'\t' + text + u'\n';
    const QByteArray bytes = line.toUtf8();
    return file.write(bytes) == bytes.size();
}

void showBox(const MessageBoxRecord &box)
{
    QMessageBox dialog(box.icon == MessageIcon::Critical ? QMessageBox::Critical
                                                         : QMessageBox::NoIcon,
                       QString::fromStdU16String(box.title), QString::fromStdU16String(box.text),
                       QMessageBox::Ok);
    dialog.exec();
}

} // namespace

void messageBox(TextView text, MessageIcon icon)
{
    const MessageBoxRecord box{programTitle(), Text(text), icon};
    if (installedHandler()) {
        installedHandler()(box);
        return;
    }
    const QString logFile = qEnvironmentVariable("PELLORY_MESSAGE_BOX_LOG");
    if (!logFile.isEmpty() && appendToLog(logFile, box))
        return;
    showBox(box);
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    installedHandler() = std::move(handler);
}

} // namespace forms
