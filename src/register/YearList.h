#pragma once

#include <QString>
#include <QStringList>

// The entries of the year chooser: every "*.csv" of the data folder in name order, cut to four
// characters, with the current year added where its file does not exist yet.
class YearList {
public:
    static QStringList inFolder(const QString &dataFolder, const QString &currentYear);
};
