// Reading a 5,000-line CII invoice into its record, against a plain pass of Qt's stream reader over the
// same bytes that looks at every element, attribute and text once; and the whole way from a 1 MB
// ZUGFeRD PDF on disk to the filled, painted e-invoice window, in absolute time.
#include "EInvoicePdfs.h"
#include "GeneratedCii.h"
#include "RatioReporter.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceRecord.h"
#include "einvoice/IncomingDocument.h"
#include "einvoice/PopplerZbarScanner.h"
#include "einvoice/TFormERechnung.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

constexpr int kLines = 5000;
constexpr qsizetype kPdfBytes = 1024 * 1024;

struct Fixture {
    QByteArray longInvoice = generatedCiiInvoice(kLines);
    QTemporaryDir folder;
    QString pdfPath = folder.filePath(QStringLiteral("zugferd.pdf"));

    Fixture()
    {
        const QByteArray invoice = generatedCiiInvoice(20);
        const QByteArray pdf = EInvoicePdfs::withEmbeddedFile(QStringLiteral("factur-x.xml"), invoice,
                                                              kPdfBytes - invoice.size() - 1000);
        QFile file(pdfPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            qFatal("cannot write the benchmark's PDF");
    }
};

// Lives in main(), so it goes before the application object does.
Fixture *g_fixture = nullptr;

void ReadAndMapLongCii(benchmark::State &state)
{
    for (auto _ : state) {
        const std::variant<EInvoice, QString> read = EInvoiceReader::read(g_fixture->longInvoice);
        const QStringList fields = EInvoiceRecord::fields(std::get<EInvoice>(read));
        benchmark::DoNotOptimize(fields.size());
    }
}

void FloorStreamPass(benchmark::State &state)
{
    for (auto _ : state) {
        QXmlStreamReader reader(g_fixture->longInvoice);
        qsizetype seen = 0;
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::StartElement:
                seen += reader.name().size() + reader.namespaceUri().size();
                for (const QXmlStreamAttribute &attribute : reader.attributes())
                    seen += attribute.name().size() + attribute.value().size();
                break;
            case QXmlStreamReader::Characters: seen += reader.text().size(); break;
            default: break;
            }
        }
        benchmark::DoNotOptimize(seen);
    }
}

// Read as "E-Rechnung einlesen..." does, shown with "Übernehmen" and painted once; the command keeps
// one window for all files, as here.
void PdfToFilledWindow(benchmark::State &state)
{
    const PopplerZbarScanner scanner;
    TFormERechnung form;
    for (auto _ : state) {
        const IncomingDocument::Content content = IncomingDocument::read(g_fixture->pdfPath, scanner);
        const EInvoice &invoice = std::get<EInvoice>(content);
        benchmark::DoNotOptimize(EInvoiceRecord::fields(invoice).size());
        form.showInvoice(invoice, true);
        benchmark::DoNotOptimize(form.grab().width());
    }
}

BENCHMARK(ReadAndMapLongCii)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorStreamPass)->Unit(benchmark::kMillisecond);
BENCHMARK(PdfToFilledWindow)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    return runBenchmarksWithRatios(argc, argv, {{"ReadAndMapLongCii", "FloorStreamPass"}});
}
