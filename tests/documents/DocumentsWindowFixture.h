#pragma once

#include "WindowDoubles.h"
#include "documents/TFormDocs.h"
#include "documents/TFormFInfo.h"
#include "register/TFormFrage.h"

#include <QTreeView>
#include <functional>

// The documents window with its search prompt and file information window on the window doubles, showing
// the list file "key.dat" of the data folder.
class DocumentsWindowFixture {
public:
    DocumentsWindowFixture();

    // A document outside the data folder, of size bytes.
    QString document(const QString &name, qint64 size = 1) const;
    void putList(const QStringList &lines) const;
    QByteArray listBytes() const;
    // Shows the documents window with handler acting on it; windows opened from it take the handlers after.
    void show(const std::function<void()> &handler, const QList<ScriptedDialogs::WindowHandler> &then = {});
    void click(const char *button);
    QTreeView &list();

    WindowDoubles doubles;
    TFormFrage prompt;
    TFormFInfo info;
    TFormDocs docs;
};
