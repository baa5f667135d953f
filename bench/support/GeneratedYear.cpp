#include "GeneratedYear.h"

#include <QFile>

QByteArray generatedYearFile()
{
    QByteArray bytes;
    bytes.reserve(kGeneratedRecords * 220);
    for (int i = 0; i < kGeneratedRecords; ++i) {
        bytes += "Strom Abschlag " + QByteArray::number(i) + ";05.01.2024;123,45;14;19.01.2024;R-"
            + QByteArray::number(100000 + i)
            + ";Abschlag f\xFCr M\xE4rz;Stadtwerke M\xFCnchen;info@swm.de;"
              "www.swm.de;80331;M\xFCnchen;Hauptstra\xDF"
              "e;DE;089 1234567;089 1234568;"
              "DE02 1203 0000 0000 2020 51;BYLADEM1001;K-"
            + QByteArray::number(i) + ";12a;Offen\r\n";
    }
    return bytes;
}

QStringList floorReadLines(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).split(u'\n');
}
