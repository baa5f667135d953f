#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A year file of 100,000 invoices of the usual length, in the code page, as a year of heavy use.
constexpr int kGeneratedRecords = 100000;
QByteArray generatedYearFile();

// The least any loading of a text file into lines does: read, decode the single-byte text, cut it into
// lines, with Qt's fastest means for each step.
QStringList floorReadLines(const QString &path);
