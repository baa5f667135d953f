#include "qr/TEncoder.h"
#include "qr/TQRCodeGenerator.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <qrencode.h>

#include <QByteArray>
#include <QString>

namespace {

// An EPC credit transfer text at the 331-byte maximum, UTF-8 with a few umlauts as real names have.
QByteArray paymentText()
{
    QByteArray text = "BCD\n002\n1\nSCT\nCOBADEFFXXX\n"
                      "M\xC3\xBCller & S\xC3\xB6hne Gartenbau und Landschaftspflege GmbH Niederlassung S\xC3\xBC"
                      "d\n"
                      "DE89370400440532013000\nEUR12345.67\nGDDS\n\n"
                      "Rechnung 2024-0815 vom 12.03.2024, Kundennummer 4711, Lieferung Pflanzen und Erde, "
                      "Pflege Au\xC3\x9F"
                      "enanlagen M\xC3\xA4rz\n";
    while (text.size() < 331)
        text.append('X');
    return text;
}

const QByteArray &utf8Payment()
{
    static const QByteArray bytes = paymentText();
    return bytes;
}

void ours(benchmark::State &state)
{
    const QString text = QString::fromUtf8(utf8Payment());
    TEncoder encoder;
    TQRCode code;
    for (auto _ : state) {
        encoder.encode(text, TEncoder::Utf8, code);
        benchmark::DoNotOptimize(code.matrix().cells());
    }
    state.counters["version"] = code.version();
}

// The payment window's sequence: a new generator, Data, then Encoding 5, so the text is encoded twice.
void oursAsThePaymentWindowUsesIt(benchmark::State &state)
{
    const QString text = QString::fromUtf8(utf8Payment());
    for (auto _ : state) {
        TQRCodeGenerator generator;
        generator.setData(text);
        generator.setEncoding(TEncoder::Utf8);
        benchmark::DoNotOptimize(generator.Rows());
    }
}

void libqrencode(benchmark::State &state)
{
    const QByteArray &bytes = utf8Payment();
    int version = 0;
    for (auto _ : state) {
        QRcode *code = QRcode_encodeData(static_cast<int>(bytes.size()),
                                         reinterpret_cast<const unsigned char *>(bytes.constData()), 0, QR_ECLEVEL_L);
        benchmark::DoNotOptimize(code->data);
        version = code->version;
        QRcode_free(code);
    }
    state.counters["version"] = version;
}

} // namespace

BENCHMARK(ours);
BENCHMARK(oursAsThePaymentWindowUsesIt);
BENCHMARK(libqrencode);

int main(int argc, char **argv)
{
    return runBenchmarksWithRatios(argc, argv,
                                   {{"ours", "libqrencode"}, {"oursAsThePaymentWindowUsesIt", "libqrencode"}});
}
