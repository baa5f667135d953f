#include "settings/DataFolder.h"

#include "platform/SystemReason.h"

#include <QDir>
#include <QRegularExpression>
#include <filesystem>

QString DataFolder::create(const QString &path)
{
    std::error_code error;
    const std::filesystem::path folder(path.toStdString());
    const bool created = std::filesystem::create_directories(folder, error);
    if (error)
        return SystemReason::german(QString::fromLocal8Bit(error.message()));
    if (created)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    return {};
}

void DataFolder::removeSaveLeftovers(const QString &path)
{
    static const QRegularExpression kLeftover(QStringLiteral("^(\\d{4}rech\\.csv|zettmar\\.ini)\\.[A-Za-z0-9]{6}$"));
    QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (kLeftover.match(name).hasMatch())
            folder.remove(name);
    }
}
