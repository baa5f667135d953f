#include "MainWindowDriver.h"

#include "register/RecordEditor.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

QString MainWindowDriver::record(const QList<std::pair<InvoiceLine::Field, QString>> &fields)
{
    QStringList line(InvoiceLine::kFieldCount);
    line[InvoiceLine::Land] = QStringLiteral("DE");
    line[InvoiceLine::Status] = InvoiceLine::kStatusOpen;
    for (const auto &[field, text] : fields)
        line[field] = text;
    return line.join(QLatin1Char(';'));
}

void MainWindowDriver::start(const QStringList &records)
{
    QByteArray bytes = "\xEF\xBB\xBF";
    for (const QString &line : records)
        bytes += line.toUtf8() + "\r\n";
    doubles.places.putFile(QStringLiteral("2024rech.csv"), bytes);
    m_windows = std::make_unique<AppWindows>();
    QVERIFY(m_windows->start());
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
}

QLineEdit &MainWindowDriver::field(InvoiceLine::Field field)
{
    return main().editor().field(field);
}

// Key by key with its text, as a keyboard sends it, so the record editor sees typed characters.
void MainWindowDriver::type(InvoiceLine::Field which, const QString &text)
{
    QLineEdit &edit = field(which);
    edit.setFocus(Qt::OtherFocusReason);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key(c.toUpper().unicode()), c, Qt::NoModifier);
}

void MainWindowDriver::click(const char *buttonName)
{
    main().findChild<QToolButton *>(QLatin1String(buttonName))->click();
}

void MainWindowDriver::choose(const char *menuItemName)
{
    main().popupMenu().findChild<QAction *>(QLatin1String(menuItemName))->trigger();
}
