#pragma once

#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "register/InvoiceLine.h"

#include <QStringList>
#include <memory>

class QLineEdit;

// The program started on a year file of the test's records, with the doubles in force, and the
// user's hands: type into a field, click a button, choose a menu item.
class MainWindowDriver {
public:
    // A record line of 21 fields; fields not given stay empty, country and status as after "Neu".
    static QString record(const QList<std::pair<InvoiceLine::Field, QString>> &fields);

    WindowDoubles doubles;

    void start(const QStringList &records);
    TFormLizenz &main() { return m_windows->main(); }
    QLineEdit &field(InvoiceLine::Field field);
    void type(InvoiceLine::Field field, const QString &text);
    void click(const char *buttonName);
    void choose(const char *menuItemName);

private:
    std::unique_ptr<AppWindows> m_windows;
};
