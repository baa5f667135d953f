#pragma once

#include "backup/ArchiveWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

class RunView;

// One run of "Dateien sichern": asks, packs or copies the listed files, reports and records the run.
class BackupRun {
public:
    struct Request {
        QString dataFolder;  // the data folder field
        QString destination; // the destination field
        QStringList rows;    // the backup list
        bool zipped = true;
        QString historyFile;
    };

    BackupRun(const Request &request, RunView &view);
    void run();

private:
    bool ask();
    bool checkDestination();
    // Asks about a listed file that is gone; false ends the loop.
    bool goesOnPastMissing(const QString &path) const;
    bool packAll();
    bool writeArchive(const QList<ArchiveEntry> &entries, const QList<int> &entryRows);
    bool copyAll();
    bool copyOne(int row, const QString &path);
    void finish();
    void showProgress(double filesDone);

    Request m_request;
    RunView &m_view;
    QString m_dataFolder;
    QString m_destination;
    QString m_archiveName;
    QString m_target;
    QString m_firstFailure; // of a plain copy
    int m_saved = 0;
};
