#include "MainWindowDriver.h"

#include "NamedChild.h"
#include "register/RecordEditor.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The year of the clock double.
const QString kYearFile = QStringLiteral("2024rech.csv");

// Key by key with its text, as a keyboard sends it; QTest's own typing knows only ASCII.
void typeInto(QLineEdit &edit, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key(c.toUpper().unicode()), c, Qt::NoModifier);
}

} // namespace

MainWindowDriver::MainWindowDriver(RecordLine::Encoding yearFileEncoding)
    : m_yearFileEncoding(yearFileEncoding)
{
}

void MainWindowDriver::putYearFile(const QByteArray &bytes) const
{
    doubles.places.putFile(kYearFile, bytes);
}

bool MainWindowDriver::launch()
{
    m_windows = std::make_unique<AppWindows>();
    return m_windows->start();
}

void MainWindowDriver::start(const QStringList &records)
{
    startWith(RecordLine::fileOf(records, m_yearFileEncoding));
}

void MainWindowDriver::startWith(const QByteArray &yearFile)
{
    if (!yearFile.isNull())
        putYearFile(yearFile);
    QVERIFY(launch());
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
}

QLineEdit &MainWindowDriver::field(InvoiceLine::Field field)
{
    return main().editor().field(field);
}

QLineEdit &MainWindowDriver::field(const char *objectName)
{
    return namedChild<QLineEdit>(main(), QLatin1String(objectName));
}

void MainWindowDriver::type(InvoiceLine::Field which, const QString &text)
{
    QLineEdit &edit = field(which);
    edit.setFocus(Qt::OtherFocusReason);
    typeInto(edit, text);
}

void MainWindowDriver::typeAtEnd(const char *objectName, const QString &text)
{
    QLineEdit &edit = field(objectName);
    edit.setFocus(Qt::OtherFocusReason); // a tab would select the text and typing replace it
    edit.end(false);
    typeInto(edit, text);
}

void MainWindowDriver::click(const char *buttonName)
{
    namedChild<QToolButton>(main(), QLatin1String(buttonName)).click();
}

void MainWindowDriver::choose(const char *menuItemName)
{
    namedChild<QAction>(main(), QLatin1String(menuItemName)).trigger();
}

QString MainWindowDriver::panel(int number)
{
    return namedChild<QLabel>(main(), QStringLiteral("StatusPanel%1").arg(number)).text();
}

void MainWindowDriver::showNextPicture()
{
    QMetaObject::invokeMethod(&namedChild<QTimer>(main(), QStringLiteral("TimerAds")), "timeout");
}

QString MainWindowDriver::yearFilePath() const
{
    return doubles.places.dataFolder() + kYearFile;
}

QByteArray MainWindowDriver::yearFileBytes() const
{
    return doubles.places.fileBytes(kYearFile);
}

QStringList MainWindowDriver::yearFileLines() const
{
    return QString::fromLatin1(yearFileBytes()).split(QStringLiteral("\r\n"));
}
