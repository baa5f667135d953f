#include "DocumentsWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a reader that nobody here wrote finds in a PDF file.
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"<%1 failed>"_s.arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QString info = pdfTool(u"pdfinfo"_s, {pdf});
    const qsizetype at = info.indexOf(u"Pages:"_s);
    return at < 0 ? -1 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return pdfTool(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, number, u"-l"_s, number, pdf, u"-"_s});
}

// Prints through another printer, lets the test look at the window while a job runs, and can make every
// job fail at its end, as a full disk or a vanished printer would.
class WatchingPrinting final : public Printing {
public:
    explicit WatchingPrinting(Printing &inner)
        : m_inner(inner)
    {
    }
    std::function<void()> whileRunning;
    QString failure;
    QStringList pdfPaths;

    Start choosePrinter(const JobSettings &settings) override { return watched(m_inner.choosePrinter(settings)); }
    Start toPdf(const QString &path, const JobSettings &settings) override
    {
        pdfPaths.append(path);
        return watched(m_inner.toPdf(path, settings));
    }

private:
    class Job final : public PrintJob {
    public:
        Job(std::unique_ptr<PrintJob> job, WatchingPrinting &printing)
            : m_job(std::move(job))
            , m_printing(printing)
        {
        }
        PageMetrics metrics() const override { return m_job->metrics(); }
        QPainter &painter() override { return m_job->painter(); }
        void newPage() override { m_job->newPage(); }
        QString printerName() const override { return m_job->printerName(); }
        QString finish() override
        {
            if (m_printing.whileRunning)
                m_printing.whileRunning();
            // A job that fails ends without putting its file in place.
            return m_printing.failure.isEmpty() ? m_job->finish() : m_printing.failure;
        }

    private:
        std::unique_ptr<PrintJob> m_job;
        WatchingPrinting &m_printing;
    };

    Start watched(Start start)
    {
        if (start.job)
            start.job = std::make_unique<Job>(std::move(start.job), *this);
        return start;
    }

    Printing &m_inner;
};

} // namespace

class TestDocumentsPrintout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pdfHoldsTheListAsShown();
    void emptyListIsOneBlankPage();
    void failedJobOpensNoOlderPdf();
    void paperPrintsOnePortraitCopy_data();
    void paperPrintsOnePortraitCopy();

private:
    void putDocuments(int count) const;
    void print(bool asPdf, const std::function<void()> &before = {});
    QString pdfPath() const { return m_f->doubles.places.dataFolder() + u"listedocs.pdf"_s; }
    QString panelText() const { return m_f->docs.findChild<QLabel *>(u"StatusPanel1"_s)->text(); }

    std::unique_ptr<DocumentsWindowFixture> m_f;
    std::unique_ptr<WatchingPrinting> m_printing;
    Platform::Services m_previous;
};

void TestDocumentsPrintout::init()
{
    m_f = std::make_unique<DocumentsWindowFixture>();
    m_printing = std::make_unique<WatchingPrinting>(m_f->doubles.printing);
    // The doubles' services, with the watching printer in place of theirs.
    m_previous = Platform::install({});
    Platform::Services watched = m_previous;
    watched.printing = m_printing.get();
    Platform::install(watched);
}

void TestDocumentsPrintout::cleanup()
{
    Platform::install(m_previous);
    m_printing.reset();
    m_f.reset();
}

// Files Dokument 001.pdf ... in file order, every one there.
void TestDocumentsPrintout::putDocuments(int count) const
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(m_f->document(u"Dokument %1.pdf"_s.arg(i, 3, 10, QChar(u'0'))));
    m_f->putList(lines);
}

void TestDocumentsPrintout::print(bool asPdf, const std::function<void()> &before)
{
    m_f->doubles.dialogs.answers.enqueue(asPdf);
    m_f->show([this, before] {
        if (before)
            before();
        m_f->click("ButtonPrint");
    });
}

void TestDocumentsPrintout::pdfHoldsTheListAsShown()
{
    putDocuments(80);
    print(true, [this] { m_f->list().header()->sectionClicked(2); });
    print(true, [this] { m_f->list().header()->sectionClicked(2); });

    QCOMPARE(m_f->doubles.shell.calls, QStringList({u"open "_s + pdfPath(), u"open "_s + pdfPath()}));
    const ScriptedDialogs::Box question = m_f->doubles.dialogs.log.at(1);
    QCOMPARE(question.kind + u' ' + question.caption + u' ' + question.text, u"question Reminder Als PDF speichern?"_s);
    QCOMPARE(pageCount(pdfPath()), 2);
    QStringList names;
    for (int page = 1; page <= 2; ++page) {
        const QString text = pageText(pdfPath(), page);
        QVERIFY2(text.contains(u"Vertragsliste vom: 15.03.2024 Seite: %1 / 2"_s.arg(page)), qPrintable(text));
        QVERIFY(text.contains(u"Nr."_s) && text.contains(u"Dateiname"_s) && text.contains(u"Dateidatum"_s));
        for (const QString &line : text.split(u'\n')) {
            const qsizetype at = line.indexOf(u"Dokument "_s);
            if (at >= 0)
                names.append(line.mid(at, 16));
        }
    }
    QCOMPARE(names.size(), 80);
    QCOMPARE(names.first(), u"Dokument 080.pdf"_s); // descending, as shown
    QCOMPARE(names.last(), u"Dokument 001.pdf"_s);
    QVERIFY(std::is_sorted(names.rbegin(), names.rend()));
    QCOMPARE(QDir(m_f->doubles.places.dataFolder()).entryList(QDir::Files), QStringList({u"key.dat"_s, u"listedocs.pdf"_s}));
}

void TestDocumentsPrintout::emptyListIsOneBlankPage()
{
    print(true);
    QCOMPARE(pageCount(pdfPath()), 1);
    QCOMPARE(pageText(pdfPath(), 1).trimmed(), QString());
    QCOMPARE(m_f->doubles.shell.calls, QStringList{u"open "_s + pdfPath()});
}

void TestDocumentsPrintout::failedJobOpensNoOlderPdf()
{
    putDocuments(3);
    m_f->doubles.places.putFile(u"listedocs.pdf"_s, "older");
    m_printing->failure = u"Der Druckauftrag ist fehlgeschlagen."_s;
    print(true);

    QCOMPARE(m_f->doubles.shell.calls, QStringList());
    QCOMPARE(m_f->doubles.dialogs.log.last().kind, u"error"_s);
    QCOMPARE(m_f->doubles.dialogs.lastText(), m_printing->failure);
    QCOMPARE(m_f->doubles.places.fileBytes(u"listedocs.pdf"_s), QByteArray("older"));
    QCOMPARE(m_printing->pdfPaths.size(), 1);
    QCOMPARE(QDir(m_f->doubles.places.dataFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList({u"key.dat"_s, u"listedocs.pdf"_s}));
}

void TestDocumentsPrintout::paperPrintsOnePortraitCopy_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("printed") << true;
    QTest::newRow("dialog cancelled") << false;
}

void TestDocumentsPrintout::paperPrintsOnePortraitCopy()
{
    QFETCH(bool, chosen);
    putDocuments(3);
    m_f->doubles.dialogs.printChoices.enqueue(chosen);
    QString panelWhilePrinting;
    m_printing->whileRunning = [&] { panelWhilePrinting = panelText(); };
    print(false);
    QCOMPARE(panelText(), u"key.dat"_s);
    QCOMPARE(m_f->doubles.printing.jobs.size(), chosen ? 1 : 0);
    QCOMPARE(m_f->doubles.shell.calls, QStringList());
    if (!chosen)
        return;
    QVERIFY2(panelWhilePrinting.startsWith(u"Druckvorgang mit "_s) && panelWhilePrinting.endsWith(u" gestartet."_s),
             qPrintable(panelWhilePrinting));
    QCOMPARE(m_f->doubles.printing.jobs.first().copies, 1);
    QCOMPARE(m_f->doubles.printing.jobs.first().orientation, QPageLayout::Portrait);
    QCOMPARE(pageCount(m_f->doubles.printing.printerFile), 1);
    QVERIFY(pageText(m_f->doubles.printing.printerFile, 1).contains(u"Dokument 003.pdf"_s));
}

QTEST_MAIN(TestDocumentsPrintout)
#include "TestDocumentsPrintout.moc"
