// A backup of a 150 MB data folder into a zip archive and its restore into an empty data folder,
// against Info-ZIP's zip -6 and unzip on the same data. Everything lies in a temporary folder that
// goes with the program.
#include "RatioReporter.h"
#include "backup/ArchiveWriter.h"
#include "backup/BackupList.h"
#include "backup/RestoreStaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr qint64 kYearFileBytes = 21 << 20;
constexpr qint64 kDocumentBytes = 5 << 20;

QByteArray yearFile(int year)
{
    QByteArray bytes;
    bytes.reserve(kYearFileBytes + 512);
    QRandomGenerator dice{quint32(year)};
    for (int i = 0; bytes.size() < kYearFileBytes; ++i) {
        bytes += "Rechnung " + QByteArray::number(i) + ";" + QByteArray::number(dice.bounded(1, 29)) + ".0"
            + QByteArray::number(dice.bounded(1, 10)) + "." + QByteArray::number(year) + ";"
            + QByteArray::number(dice.bounded(100000) / 100.0, 'f', 2) + ";14;;R-"
            + QByteArray::number(dice.bounded(1000000)) + ";Leistung " + QByteArray::number(dice.bounded(500))
            + ";Firma " + QByteArray::number(dice.bounded(300)) + ";post@firma" + QByteArray::number(dice.bounded(300))
            + ".de;www.firma.de;80331;M\xFCnchen;Hauptstra\xDF"
              "e "
            + QByteArray::number(dice.bounded(200)) + ";DE;089 " + QByteArray::number(dice.bounded(10000000))
            + ";;DE02 1203 0000 0000 2020 51;BYLADEM1001;K-" + QByteArray::number(i) + ";;"
            + (dice.bounded(2) ? "Offen" : "Bezahlt") + "\r\n";
    }
    bytes.truncate(kYearFileBytes);
    return bytes;
}

QByteArray scannedDocument(quint32 seed)
{
    QByteArray bytes(kDocumentBytes, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray textDocument(quint32 seed)
{
    QByteArray bytes;
    bytes.reserve(kDocumentBytes + 256);
    QRandomGenerator dice(seed);
    while (bytes.size() < kDocumentBytes)
        bytes += "BT /F1 10 Tf " + QByteArray::number(dice.bounded(600)) + " " + QByteArray::number(dice.bounded(800))
            + " Td (Position " + QByteArray::number(dice.bounded(100000)) + " Betrag "
            + QByteArray::number(dice.bounded(100000)) + ") Tj ET\n";
    bytes.truncate(kDocumentBytes);
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
}

struct Fixture {
    QTemporaryDir root;
    QString data = root.filePath(QStringLiteral("zettmar/"));
    QString ours = root.filePath(QStringLiteral("ours.zip"));
    QString peer = root.filePath(QStringLiteral("peer.zip"));
    QString restored = root.filePath(QStringLiteral("restored/"));
    QList<ArchiveEntry> entries;

    Fixture()
    {
        for (int year = 2020; year <= 2024; ++year)
            write(data + QString::number(year) + QStringLiteral("rech.csv"), yearFile(year));
        for (quint32 i = 0; i < 5; ++i) {
            write(data + QStringLiteral("docs/scan%1.pdf").arg(i), scannedDocument(i));
            write(data + QStringLiteral("docs/brief%1.pdf").arg(i), textDocument(i));
        }
        for (const QString &path : BackupList::build(data))
            entries.append({path, BackupList::entryName(data, path)});
    }

    void emptyRestoreFolder() const
    {
        QDir(restored).removeRecursively();
        QDir().mkpath(restored);
    }
};

Fixture *g_fixture = nullptr;

void Backup(benchmark::State &state)
{
    Fixture &f = *g_fixture;
    for (auto _ : state) {
        const QString failure
            = ArchiveWriter::write(f.ours, f.entries, [](double done) { benchmark::DoNotOptimize(done); });
        if (!failure.isEmpty())
            state.SkipWithError(qPrintable(failure));
    }
}

void ZipPeer(benchmark::State &state)
{
    Fixture &f = *g_fixture;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(f.peer);
        state.ResumeTiming();
        run(QStringLiteral("zip"), {"-6", "-r", "-q", f.peer, "."}, f.data);
    }
}

void Restore(benchmark::State &state)
{
    Fixture &f = *g_fixture;
    for (auto _ : state) {
        state.PauseTiming();
        f.emptyRestoreFolder();
        state.ResumeTiming();
        RestoreStaging staging(f.restored);
        QString failure = staging.stage(f.ours, {});
        if (failure.isEmpty())
            failure = staging.commit();
        if (!failure.isEmpty())
            state.SkipWithError(qPrintable(failure));
    }
}

void UnzipPeer(benchmark::State &state)
{
    Fixture &f = *g_fixture;
    for (auto _ : state) {
        state.PauseTiming();
        f.emptyRestoreFolder();
        state.ResumeTiming();
        run(QStringLiteral("unzip"), {"-q", f.ours, "-d", f.restored}, f.root.path());
    }
}

BENCHMARK(Backup)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ZipPeer)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Restore)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(UnzipPeer)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    const int result = runBenchmarksWithRatios(argc, argv, {{"Backup", "ZipPeer"}, {"Restore", "UnzipPeer"}});
    const double ours = double(QFileInfo(instance.ours).size());
    const double peer = double(QFileInfo(instance.peer).size());
    if (ours > 0 && peer > 0)
        std::printf("archive size: %.0f vs %.0f bytes, ratio %.3f\n", ours, peer, ours / peer);
    return result;
}
