#pragma once

#include "einvoice/DocumentScanner.h"

class QImage;

// The program's scanner: poppler opens PDFs, lists their embedded files and renders pages; zbar finds
// the QR codes in what was rendered or in a picture.
class PopplerZbarScanner final : public DocumentScanner {
public:
    std::optional<QList<EmbeddedFile>> embeddedFiles(const QByteArray &pdf) const override;
    QList<QByteArray> codesOnPages(const QByteArray &pdf, int pages) const override;
    QList<QByteArray> codesInPicture(const QByteArray &picture) const override;

    static QList<QByteArray> codesIn(const QImage &image);
    static constexpr double kDotsPerInch = 200.0;
};
