#include "backup/RestoreJournal.h"

#include "platform/FileReplace.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kJournal = QStringLiteral("journal");
const QString kFolder = QStringLiteral("ordner");
const QString kMove = QStringLiteral("datei");
const QString kEnd = QStringLiteral("ende");
const QString kStagingPrefix = QStringLiteral(".wiederherstellung-");

// Names may hold any character but "/", blanks and line breaks included.
QString encoded(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString decoded(const QString &field)
{
    return QUrl::fromPercentEncoding(field.toLatin1());
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString failureOf(const QString &path, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString moved(const QString &from, const QString &to)
{
    const QString reason = FileReplace::move(from, to);
    return reason.isEmpty() ? reason : failureOf(to, reason);
}

std::optional<RestoreJournal::Move> moveOf(const QStringList &fields)
{
    if (fields.size() != 4 || fields[0] != kMove)
        return std::nullopt;
    return RestoreJournal::Move{decoded(fields[1]), decoded(fields[2]), decoded(fields[3])};
}

} // namespace

RestoreJournal::RestoreJournal(const QString &dataFolder, const QString &stagingFolder)
    : m_dataFolder(dataFolder)
    , m_staging(stagingFolder)
{
}

QString RestoreJournal::stagingPattern()
{
    return kStagingPrefix + QStringLiteral("XXXXXX");
}

QString RestoreJournal::journalPath() const
{
    return m_staging + kJournal;
}

QString RestoreJournal::write(const Plan &plan) const
{
    QStringList lines;
    for (const QString &folder : plan.folders)
        lines.append(kFolder + QLatin1Char(' ') + encoded(folder));
    for (const Move &move : plan.moves)
        lines.append(QStringList{kMove, encoded(move.target), encoded(move.staged), encoded(move.replaced)}.join(
            QLatin1Char(' ')));
    lines.append(kEnd);
    return TextFile::writeLines(journalPath(), lines, TextEncoding::Utf8);
}

std::optional<RestoreJournal::Read> RestoreJournal::read() const
{
    if (!QFileInfo::exists(journalPath()))
        return std::nullopt;
    const std::optional<TextLines> file = TextFile::readLines(journalPath());
    Read journal;
    for (const QString &line : file ? file->lines : QStringList()) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (line == kEnd) {
            journal.complete = true;
            break;
        }
        if (fields.size() == 2 && fields[0] == kFolder)
            journal.plan.folders.append(decoded(fields[1]));
        else if (const std::optional<Move> move = moveOf(fields))
            journal.plan.moves.append(*move);
        else
            break;
    }
    return journal;
}

QString RestoreJournal::forward(const Plan &plan, std::optional<int> stopAfter) const
{
    for (const QString &folder : plan.folders) {
        if (!QFileInfo(m_dataFolder + folder).isDir() && !QDir().mkdir(m_dataFolder + folder))
            return failureOf(m_dataFolder + folder, QStringLiteral("Verzeichnis kann nicht angelegt werden"));
    }
    int done = 0;
    for (const Move &move : plan.moves) {
        const QString staged = m_staging + move.staged;
        const QString target = m_dataFolder + move.target;
        if (!exists(staged))
            continue;
        if (stopAfter && done == *stopAfter)
            return QStringLiteral("Angehalten");
        // The file waiting there already is the old one; a second move aside would lose it.
        QString failure = exists(target) && !exists(m_staging + move.replaced)
            ? moved(target, m_staging + move.replaced)
            : QString();
        if (failure.isEmpty())
            failure = moved(staged, target);
        if (!failure.isEmpty())
            return failure;
        ++done;
    }
    return {};
}

// A placed file goes back into the staging folder rather than away, so that repeating this after a
// crash still tells it from the old file that comes back.
QString RestoreJournal::backward(const Plan &plan) const
{
    QString failure;
    for (auto move = plan.moves.crbegin(); move != plan.moves.crend(); ++move) {
        const QString staged = m_staging + move->staged;
        const QString target = m_dataFolder + move->target;
        const QString replaced = m_staging + move->replaced;
        if (!exists(staged) && exists(target))
            failure = moved(target, staged);
        if (failure.isEmpty() && exists(replaced))
            failure = moved(replaced, target);
        if (!failure.isEmpty())
            return failure;
    }
    for (auto folder = plan.folders.crbegin(); folder != plan.folders.crend(); ++folder)
        QDir().rmdir(m_dataFolder + *folder);
    return {};
}

QString RestoreJournal::recoverHere() const
{
    const std::optional<Read> journal = read();
    QString failure;
    if (journal && journal->complete)
        failure = forward(journal->plan);
    if (journal && (!journal->complete || !failure.isEmpty()))
        failure = backward(journal->plan);
    if (failure.isEmpty())
        QDir(m_staging).removeRecursively();
    return failure;
}

QString RestoreJournal::recover(const QString &dataFolder)
{
    static const QRegularExpression kStaging(
        QStringLiteral("^%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(kStagingPrefix)));
    const QDir folder(dataFolder);
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (!kStaging.match(name).hasMatch())
            continue;
        const QString failure = RestoreJournal(dataFolder, dataFolder + name + QLatin1Char('/')).recoverHere();
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}
