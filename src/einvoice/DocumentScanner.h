#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What is read out of PDF files and pictures with outside libraries: embedded files and QR codes. The
// program uses poppler and zbar; tests may use a double.
class DocumentScanner {
public:
    struct EmbeddedFile {
        QString name;
        QByteArray bytes;
    };

    virtual ~DocumentScanner() = default;
    // The files embedded in the PDF in its order; nothing when it cannot be opened as a PDF.
    virtual std::optional<QList<EmbeddedFile>> embeddedFiles(const QByteArray &pdf) const = 0;
    // The contents of the QR codes on the PDF's first pages, page by page.
    virtual QList<QByteArray> codesOnPages(const QByteArray &pdf, int pages) const = 0;
    // The contents of the QR codes in a PNG or JPEG picture.
    virtual QList<QByteArray> codesInPicture(const QByteArray &picture) const = 0;
};
