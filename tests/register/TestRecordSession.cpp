#include "PlatformDoubles.h"
#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

class TestRecordSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void changesHaveTheirOutcomeAndFlags_data();
    void changesHaveTheirOutcomeAndFlags();
    void failedWriteKeepsListAndFlags_data();
    void failedWriteKeepsListAndFlags();
    void storesWhatTheFileCanHold_data();
    void storesWhatTheFileCanHold();
    void yearFileReadsBackAsStored_data();
    void yearFileReadsBackAsStored();
    void fileNotReadWholeIsNeverWritten();
    void missingFileGivesEmptyList();

private:
    static QStringList record(const QString &name);
    QString yearPath() const;

    std::unique_ptr<PlatformDoubles> m_doubles;
    std::unique_ptr<RecordSession> m_session;
};

QStringList TestRecordSession::record(const QString &name)
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = name;
    fields[InvoiceLine::Email] = name.isEmpty() ? QString() : QStringLiteral("a@b.de");
    fields[InvoiceLine::Status] = QStringLiteral("Offen");
    return fields;
}

QString TestRecordSession::yearPath() const
{
    return m_doubles->places.dataFolder() + QStringLiteral("2024rech.csv");
}

void TestRecordSession::init()
{
    m_doubles = std::make_unique<PlatformDoubles>();
    m_doubles->places.putFile(QStringLiteral("2024rech.csv"),
                              InvoiceLine::join(record("A")).toLatin1() + "\r\n"
                                  + InvoiceLine::join(record("B")).toLatin1() + "\r\n");
    m_session = std::make_unique<RecordSession>();
    m_session->setPath(yearPath());
    QVERIFY(m_session->load().done());
}

void TestRecordSession::cleanup()
{
    m_session.reset();
    m_doubles.reset();
}

// Each step starts on record 2 of "A", "B" with typed input and reports what the list, the index and the
// flags are after it, and which announcements came.
void TestRecordSession::changesHaveTheirOutcomeAndFlags_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("newRecord");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("listSignals");
    QTest::addColumn<int>("indexSignals");
    QTest::addColumn<int>("replacedSignals");
    using O = RecordSession::Outcome;
    QTest::newRow("store replaces") << "store C" << int(O::Done) << QStringList{"A", "C"} << 1 << false << false << 1 << 0 << 1;
    QTest::newRow("store without name") << "store " << int(O::Incomplete) << QStringList{"A", "B"} << 1 << false << true << 0 << 0 << 0;
    QTest::newRow("name only a control character") << u"store \u007F"_qs << int(O::Incomplete) << QStringList{"A", "B"} << 1 << false << true << 0 << 0 << 0;
    QTest::newRow("new then store appends") << "new+store C" << int(O::Done) << QStringList{"A", "B", "C"} << 2 << false << false << 1 << 1 << 0;
    QTest::newRow("new") << "new" << int(O::Done) << QStringList{"A", "B"} << 2 << true << false << 0 << 1 << 0;
    QTest::newRow("remove") << "remove" << int(O::Done) << QStringList{"A"} << 0 << false << false << 1 << 1 << 0;
    QTest::newRow("move") << "move 0" << int(O::Done) << QStringList{"A", "B"} << 0 << false << false << 0 << 1 << 0;
}

void TestRecordSession::changesHaveTheirOutcomeAndFlags()
{
    QFETCH(QString, step);
    QFETCH(int, outcome);
    QFETCH(QStringList, names);
    QFETCH(int, index);
    QFETCH(bool, newRecord);
    QFETCH(bool, modified);
    QFETCH(int, listSignals);
    QFETCH(int, indexSignals);
    QFETCH(int, replacedSignals);
    RecordSession &session = *m_session;
    session.moveTo(1);
    session.setModified(true);
    const QString second = session.lines()[1];
    QSignalSpy listSpy(&session, &RecordSession::listChanged);
    QSignalSpy indexSpy(&session, &RecordSession::currentIndexChanged);
    QSignalSpy replacedSpy(&session, &RecordSession::recordReplaced);

    RecordSession::Result result;
    if (step.startsWith(QLatin1String("new")))
        session.startNew();
    if (step.contains(QLatin1String("store")))
        result = session.store(record(step.section(QLatin1Char(' '), 1)));
    else if (step == QLatin1String("remove"))
        result = session.removeCurrent();
    else if (step.startsWith(QLatin1String("move")))
        session.moveTo(step.section(QLatin1Char(' '), 1).toInt());

    QCOMPARE(int(result.outcome), outcome);
    QStringList stored;
    for (const QString &line : session.lines())
        stored.append(InvoiceLine::split(line)[InvoiceLine::Name]);
    QCOMPARE(stored, names);
    QCOMPARE(session.currentIndex(), index);
    QCOMPARE(session.isNewRecord(), newRecord);
    QCOMPARE(session.isModified(), modified);
    QCOMPARE(listSpy.size(), listSignals);
    QCOMPARE(indexSpy.size(), indexSignals);
    QCOMPARE(replacedSpy.size(), replacedSignals);
    if (replacedSignals > 0)
        QCOMPARE(replacedSpy[0], (QVariantList{second, session.lines()[1]}));
    // What the session holds is what the file holds.
    RecordSession reread;
    reread.setPath(yearPath());
    QVERIFY(reread.load().done());
    QCOMPARE(reread.lines(), session.lines());
}

void TestRecordSession::failedWriteKeepsListAndFlags_data()
{
    QTest::addColumn<bool>("remove");
    QTest::newRow("store") << false;
    QTest::newRow("remove") << true;
}

// A folder where the file should be makes every write fail.
void TestRecordSession::failedWriteKeepsListAndFlags()
{
    QFETCH(bool, remove);
    RecordSession &session = *m_session;
    session.moveTo(1);
    session.setModified(true);
    const QStringList before = session.lines();
    QVERIFY(QFile::remove(yearPath()));
    QVERIFY(QDir().mkpath(yearPath()));
    QSignalSpy listSpy(&session, &RecordSession::listChanged);

    const RecordSession::Result result = remove ? session.removeCurrent() : session.store(record("C"));

    QCOMPARE(result.outcome, RecordSession::Outcome::WriteFailed);
    QVERIFY(result.message.contains(yearPath()));
    QCOMPARE(session.lines(), before);
    QCOMPARE(session.currentIndex(), 1);
    QVERIFY(session.isModified());
    QCOMPARE(listSpy.size(), 0);
}

void TestRecordSession::storesWhatTheFileCanHold_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("euro and umlaut") << u"€ für März"_qs << QByteArray("\x80 f\xFCr M\xE4rz") << QString();
    QTest::newRow("line breaks and tab") << "line1\r\nline2;x\tTAB" << QByteArray("\"line1  line2;x TAB\"") << QString();
    QTest::newRow("lone LF") << "a\nb" << QByteArray("a b") << QString();
    QTest::newRow("DEL and C1 controls") << u"a\u007Fb\u0081c\u009Fd"_qs << QByteArray("a b c d;") << QString();
    QTest::newRow("control before the value") << u"\u0085Strom"_qs << QByteArray("Strom;A;") << QString();
    QTest::newRow("controls and blanks at both ends") << u"\u007F Strom \u009F"_qs << QByteArray("Strom;A;") << QString();
    QTest::newRow("beyond the code page")
        << u"Zahlung łő中"_qs << QByteArray()
        << u"Das Zeichen \"ł\" im Feld \"Artikel/Dienstleistung\" kann in der Datei nicht gespeichert werden. "
           "Bitte ersetzen Sie es."_qs;
    // A line of "A" with an empty article has 32 characters; a line is read back up to its 4096th.
    QTest::newRow("line at the limit") << QString(4064, u'x') << QByteArray(4064, 'x') << QString();
    QTest::newRow("line beyond the limit")
        << QString(4065, u'x') << QByteArray()
        << u"Der Datensatz ist zu lang: Er hätte 4097 Zeichen, eine Zeile der Datei darf aber höchstens 4096 "
           "Zeichen haben. Bitte kürzen Sie einen der langen Texte."_qs;
}

// The year file stays one record per line in its single-byte code page: what the line could not
// hold is refused, and the file keeps its bytes.
void TestRecordSession::storesWhatTheFileCanHold()
{
    QFETCH(QString, article);
    QFETCH(QByteArray, stored);
    QFETCH(QString, refusal);
    const QByteArray before = m_doubles->places.fileBytes(QStringLiteral("2024rech.csv"));
    QStringList fields = record("A");
    fields[InvoiceLine::Artikel] = article;
    const RecordSession::Result result = m_session->store(fields);
    QCOMPARE(result.message, refusal);
    const QByteArray after = m_doubles->places.fileBytes(QStringLiteral("2024rech.csv"));
    if (!refusal.isEmpty()) {
        QCOMPARE(result.outcome, RecordSession::Outcome::Refused);
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.count("\r\n"), 2);
    QCOMPARE(after.split('\r').first().split(';').mid(6).join(';').left(stored.size()), stored);
}

void TestRecordSession::yearFileReadsBackAsStored_data()
{
    QTest::addColumn<QByteArray>("before"); // the second record's name in the year file
    QTest::addColumn<QString>("title");     // stored into the first record
    QTest::addColumn<QString>("encoding");  // of the file after the store
    QTest::newRow("umlaut into a code page file") << QByteArray("B") << u"März"_qs << "code page";
    QTest::newRow("title like a UTF-16 mark") << QByteArray("B") << u"ÿþStrom"_qs << "UTF-8 with mark";
    QTest::newRow("title like a UTF-8 mark") << QByteArray("B") << u"ï»¿Strom"_qs << "UTF-8 with mark";
    QTest::newRow("title that would read as UTF-8") << QByteArray("B") << u"MÃ¤rz"_qs << "UTF-8 with mark";
    QTest::newRow("unmarked UTF-8 file") << QByteArray("M\xC3\xBCnchen") << u"Köln"_qs << "UTF-8";
}

// Bytes that would read back as other text are never written: such a file turns to UTF-8 with its
// mark, and a UTF-8 file written on Linux stays as it came.
void TestRecordSession::yearFileReadsBackAsStored()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, title);
    QFETCH(QString, encoding);
    const QString second = QString::fromUtf8(before);
    m_doubles->places.putFile(QStringLiteral("2024rech.csv"), InvoiceLine::join(record("A")).toUtf8() + "\r\n"
                                                                  + InvoiceLine::join(record(second)).toUtf8() + "\r\n");
    QVERIFY(m_session->load().done());
    QCOMPARE(InvoiceLine::split(m_session->lines()[1])[InvoiceLine::Name], second);
    QStringList fields = record("A");
    fields[InvoiceLine::Title] = title;
    QVERIFY(m_session->store(fields).done());

    const QStringList lines{InvoiceLine::join(fields), InvoiceLine::join(record(second))};
    const QByteArray text = (lines.join(u"\r\n"_qs) + u"\r\n"_qs).toUtf8();
    QByteArray expected = text;
    if (encoding == u"code page"_qs)
        expected = (lines.join(u"\r\n"_qs) + u"\r\n"_qs).toLatin1();
    else if (encoding == u"UTF-8 with mark"_qs)
        expected = "\xEF\xBB\xBF" + text;
    QCOMPARE(m_doubles->places.fileBytes(QStringLiteral("2024rech.csv")), expected);
    RecordSession reread;
    reread.setPath(yearPath());
    QVERIFY(reread.load().done());
    QCOMPARE(reread.lines(), lines);
}

// A folder in place of the year file cannot be read; nothing may be written over it.
void TestRecordSession::fileNotReadWholeIsNeverWritten()
{
    QVERIFY(QFile::remove(yearPath()));
    QVERIFY(QDir().mkpath(yearPath()));
    RecordSession &session = *m_session;
    const RecordSession::Result read = session.load();
    QCOMPARE(read.outcome, RecordSession::Outcome::ReadFailed);
    QVERIFY(read.message.startsWith(
        QStringLiteral("Die Rechnungsdatei \"%1\" kann nicht gelesen werden (Keine reguläre Datei).").arg(yearPath())));
    const QString refusal = QStringLiteral("Die Datei \"%1\" wurde nicht vollständig gelesen und wird daher nicht "
                                           "geändert.").arg(yearPath());
    for (const RecordSession::Result &result : {session.store(record("C")), session.removeCurrent()}) {
        QCOMPARE(result.outcome, RecordSession::Outcome::Refused);
        QCOMPARE(result.message, refusal);
    }
    QVERIFY(QFileInfo(yearPath()).isDir());
}

void TestRecordSession::missingFileGivesEmptyList()
{
    m_session->setPath(m_doubles->places.dataFolder() + QStringLiteral("2023rech.csv"));
    QVERIFY(m_session->load().done());
    QCOMPARE(m_session->count(), 0);
    QVERIFY(!m_session->fileExists());
}

QTEST_GUILESS_MAIN(TestRecordSession)
#include "TestRecordSession.moc"
