#pragma once

#include "RecordLine.h"
#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "register/InvoiceLine.h"

#include <QStringList>
#include <memory>

class QLineEdit;

// The program started on a year file of the test's records, with the doubles in force, and the
// user's hands and eyes: type into a field, click a button, choose a menu item, read the status bar.
// The main window's parts are found by their names, as its layout names them.
class MainWindowDriver {
public:
    // start(records) writes the year file in this encoding.
    explicit MainWindowDriver(RecordLine::Encoding yearFileEncoding = RecordLine::Encoding::Utf8WithBom);

    WindowDoubles doubles;

    void putYearFile(const QByteArray &bytes) const;
    // The program's windows created and its start-up run; false when the program ended instead.
    bool launch();
    // The program started on a year file of these records, its main window active.
    void start(const QStringList &records);
    // The same on a year file of these bytes; null bytes put no file, and one already there stays.
    void startWith(const QByteArray &yearFile);
    // The program gone; the doubles and their files stay for the next start.
    void stop() { m_windows.reset(); }

    TFormLizenz &main() { return m_windows->main(); }
    QLineEdit &field(InvoiceLine::Field field);
    QLineEdit &field(const char *objectName);
    // Typed where the cursor is.
    void type(InvoiceLine::Field field, const QString &text);
    // Typed behind the text, as after a click behind it.
    void typeAtEnd(const char *objectName, const QString &text);
    void click(const char *buttonName);
    void choose(const char *menuItemName);
    // The status bar's panels from the left, counted from 1.
    QString panel(int number);
    // What the picture rotation's timer does when it fires.
    void showNextPicture();

    QString yearFilePath() const;
    QByteArray yearFileBytes() const;
    // The year file's lines as its bytes read in Latin-1; an empty one follows the last line break.
    QStringList yearFileLines() const;

private:
    RecordLine::Encoding m_yearFileEncoding;
    std::unique_ptr<AppWindows> m_windows;
};
