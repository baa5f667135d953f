#pragma once

#include "einvoice/PopplerZbarScanner.h"
#include "einvoice/TFormERechnung.h"

#include <QObject>
#include <functional>

class QMenu;
class QWidget;
class RecordEditor;
class TFormFInfo;

// "E-Rechnung einlesen..." and a file dropped onto the main window: an incoming invoice or GiroCode is
// shown and, on "Übernehmen", taken over into a new record; when that record is first stored, the file
// joins its documents. Also shows the e-invoices of the documents window instead of their raw XML.
class EInvoiceCommand final : public QObject {
    Q_OBJECT

public:
    using DataFolder = std::function<QString()>;
    // Adds the menu item after "Mail senden" and takes the drops of mainWindow.
    EInvoiceCommand(QWidget &mainWindow, QMenu &menu, RecordEditor &editor, TFormFInfo &fileInformation,
                    DataFolder dataFolder);

    void ERechnung1Click();
    // After the save question, as navigation asks it.
    void readFile(const QString &path);
    // True when path is an e-invoice in XML, which is then shown for reading.
    bool showIfEInvoice(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addMenuItem(QMenu &menu);
    void show(const QString &path);
    void takeOver(const QString &path, const QStringList &fields);
    void linkDocument();

    RecordEditor &m_editor;
    DataFolder m_dataFolder;
    PopplerZbarScanner m_scanner;
    TFormERechnung m_form;
    QString m_pendingDocument; // the file of the taken-over record until it is stored
};
