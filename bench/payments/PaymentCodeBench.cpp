// The payment window's whole path for a payload of the largest size the guidelines allow (331 bytes):
// payload built from the record's fields, symbol encoded as the window does it, picture painted into
// the 250 x 250 box; against libqrencode encoding the same bytes, with the same picture and painting.
#include "RatioReporter.h"
#include "payments/EpcPayload.h"
#include "payments/QrPicture.h"
#include "qr/TEncoder.h"
#include "qr/TQRCodeGenerator.h"

#include <QGuiApplication>
#include <QPainter>
#include <qrencode.h>

namespace {

constexpr int kQuietZone = 4;
const QSize kBox(250, 250);

// A name with umlauts as real names have; invoice and customer numbers fill the payload to 331 bytes.
EpcPayload::Fields largestFields()
{
    EpcPayload::Fields fields{QStringLiteral("COBADEFFXXX"),
                              u"Müller & Söhne Gartenbau und Landschaftspflege GmbH Niederlassung Süd"_qs,
                              QStringLiteral("DE89370400440532013000"),
                              QStringLiteral("12345,67"),
                              QStringLiteral("Rechnung 2024-0815 vom 12.03.2024, Lieferung Pflanzen und Erde, "
                                             "Pflege Außenanlagen März, Abschlag 3 von 4 sowie Baumschnitt"),
                              QString()};
    QStringList lines = EpcPayload::templateLines();
    EpcPayload::fill(lines, fields);
    fields.Zusatz = QString(EpcPayload::kMaxBytes - EpcPayload::text(lines).toUtf8().size() - 1, u'K');
    return fields;
}

QImage paintedBox(const QImage &picture)
{
    QImage box(kBox, QImage::Format_RGB32);
    QPainter painter(&box);
    QrPicture::paint(painter, kBox, picture);
    return box;
}

void paymentWindowPath(benchmark::State &state)
{
    const EpcPayload::Fields fields = largestFields();
    QStringList lines = EpcPayload::templateLines();
    qsizetype bytes = 0;
    for (auto _ : state) {
        EpcPayload::fill(lines, fields);
        const QString payload = EpcPayload::text(lines);
        TQRCodeGenerator generator;
        generator.setEncoding(TEncoder::Utf8);
        generator.setData(payload);
        generator.setQuietZone(kQuietZone);
        const QImage box = paintedBox(QrPicture::fromGenerator(generator));
        benchmark::DoNotOptimize(box.constBits());
        bytes = payload.toUtf8().size();
    }
    state.counters["payload bytes"] = double(bytes);
}

void libqrencodeWithSamePainting(benchmark::State &state)
{
    QStringList lines = EpcPayload::templateLines();
    EpcPayload::fill(lines, largestFields());
    const QByteArray bytes = EpcPayload::text(lines).toUtf8();
    for (auto _ : state) {
        QRcode *code = QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char *>(bytes.constData()),
                                         0, QR_ECLEVEL_L);
        const int side = code->width + 2 * kQuietZone;
        const QImage box = paintedBox(QrPicture::fromModules(side, [code](int row, int column) {
            const int r = row - kQuietZone;
            const int c = column - kQuietZone;
            return r >= 0 && c >= 0 && r < code->width && c < code->width && (code->data[r * code->width + c] & 1);
        }));
        benchmark::DoNotOptimize(box.constBits());
        QRcode_free(code);
    }
    state.counters["payload bytes"] = double(bytes.size());
}

} // namespace

BENCHMARK(paymentWindowPath);
BENCHMARK(libqrencodeWithSamePainting);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (const QString problem = EpcPayload::problem(largestFields()); !problem.isEmpty())
        qFatal("the benchmark's payload is refused: %s", qPrintable(problem));
    return runBenchmarksWithRatios(argc, argv, {{"paymentWindowPath", "libqrencodeWithSamePainting"}});
}
