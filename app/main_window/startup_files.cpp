#include "startup_files.h"

#include <QFile>
#include <algorithm>

#include "forms/errors.h"
#include "forms/failure_reason.h"
#include "program_places.h"
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

QString skinPicture(const ProgramPlaces &places, const QString &skinName, const char *picture)
{
    return places.skinFolder(skinName) + QLatin1Char('/') + QLatin1String(picture);
}

QString messageDatabaseFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/skins/skinruls.7z");
}

QString iconFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/pellory.png");
}

QString readSkinName(const ProgramPlaces &places)
{
    const QString path = places.settingsFileToRead();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = forms::readingFailureReason(path);
        throw forms::Error(QStringLiteral("Не удалось открыть файл настроек %1: %2")
                               .arg(path, reason.isEmpty() ? file.errorString() : reason));
    }
    if (file.atEnd())
        throw forms::Error(QStringLiteral("Файл настроек %1 пуст: в нём нет имени скина").arg(path));
    return decodeAnsi(withoutLineEnd(file.readLine()));
}
