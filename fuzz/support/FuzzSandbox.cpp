#include "FuzzSandbox.h"

#include "FuzzCheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

FuzzSandbox::FuzzSandbox()
{
    FUZZ_CHECK(m_root.isValid(), QStringLiteral("no temporary folder"));
}

QString FuzzSandbox::fresh()
{
    const QString root = m_root.path();
    // Folders a previous input made unreadable must not keep their contents.
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (entry.isDir() && !entry.isSymLink())
            QFile::setPermissions(entry.filePath(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QDir(root).removeRecursively();
    FUZZ_CHECK(QDir().mkpath(root), root);
    return root + QLatin1Char('/');
}

QString FuzzSandbox::folder(const QString &relative) const
{
    const QString path = m_root.filePath(relative);
    FUZZ_CHECK(QDir().mkpath(path), path);
    return path + QLatin1Char('/');
}

QString FuzzSandbox::put(const QString &relative, const QByteArray &bytes) const
{
    const QString path = m_root.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), path);
    return path;
}

QMap<QString, QByteArray> FuzzSandbox::snapshot(const QString &folder, const QString &skipped)
{
    QMap<QString, QByteArray> entries;
    const QDir base(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = base.relativeFilePath(entry.filePath());
        if (!skipped.isEmpty() && (relative + QLatin1Char('/')).startsWith(skipped))
            continue;
        QByteArray what = QByteArray::number(int(entry.permissions())) + ' ';
        if (entry.isSymLink()) {
            what += "link " + QFile::encodeName(entry.symLinkTarget());
        } else if (entry.isDir()) {
            what += "folder";
        } else {
            QFile file(entry.filePath());
            what += "file " + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)"));
        }
        entries.insert(relative, what);
    }
    return entries;
}

QString FuzzSandbox::difference(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList lines;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            lines.append(QStringLiteral("gone: ") + FuzzCheck::shown(it.key()));
        else if (after.value(it.key()) != it.value())
            lines.append(QStringLiteral("changed: ") + FuzzCheck::shown(it.key()));
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            lines.append(QStringLiteral("new: ") + FuzzCheck::shown(it.key()) + QLatin1Char(' ')
                         + FuzzCheck::shown(QString::fromUtf8(it.value().left(80))));
    }
    return lines.join(QLatin1Char('\n'));
}
