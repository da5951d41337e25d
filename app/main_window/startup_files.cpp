#include "startup_files.h"

#include <QFile>
#include <algorithm>

#include "forms/errors.h"
#include "skin_setting.h"
#include "windows.h"

namespace {

QString decodeAnsi(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const int length = static_cast<int>(bytes.size());
    QString text(length, QChar()); // Windows-1251 gives one UTF-16 unit per byte
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.constData(), length,
                                          reinterpret_cast<LPWSTR>(text.data()), length);
    text.resize(units > 0 ? units : 0);
    return text;
}

QByteArray withoutLineEnd(QByteArray line)
{
    const qsizetype end = line.indexOf('\r');
    const qsizetype feed = line.indexOf('\n');
    if (end >= 0 || feed >= 0)
        line.truncate(end < 0 ? feed : (feed < 0 ? end : std::min(end, feed)));
    return line;
}

} // namespace

QString spriteFile(const QString &programFolder, int buttonIndex)
{
    return programFolder + QStringLiteral("/Data/but%1.dat").arg(buttonIndex + 1);
}

QString skinPicture(const QString &programFolder, const QString &skinName, const char *picture)
{
    return programFolder + QStringLiteral("/skins/") + skinName + QLatin1Char('/') +
           QLatin1String(picture);
}

QString messageDatabaseFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/skins/skinruls.7z");
}

QString iconFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/pellory.png");
}

QString readSkinName(const QString &programFolder)
{
    const QString path = settingsFilePath(programFolder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw forms::Error(QStringLiteral("Не удалось открыть файл настроек %1: %2")
                               .arg(path, file.errorString()));
    if (file.atEnd())
        throw forms::Error(QStringLiteral("Файл настроек %1 пуст: в нём нет имени скина").arg(path));
    return decodeAnsi(withoutLineEnd(file.readLine()));
}
