#include "DocumentsWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QToolButton>

DocumentsWindowFixture::DocumentsWindowFixture()
    : docs(prompt, info)
{
    QDir().mkpath(doubles.places.dataFolder());
    docs.Unternehmen = QStringLiteral("key");
    docs.DatenPfad = doubles.places.dataFolder();
}

QString DocumentsWindowFixture::document(const QString &name, qint64 size) const
{
    const QString folder = doubles.places.root() + QStringLiteral("/Belege/");
    QDir().mkpath(folder);
    QFile file(folder + name);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        qFatal("cannot write the document %s", qPrintable(file.fileName()));
    return file.fileName();
}

void DocumentsWindowFixture::putList(const QStringList &lines) const
{
    doubles.places.putFile(QStringLiteral("key.dat"), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

QByteArray DocumentsWindowFixture::listBytes() const
{
    return doubles.places.fileBytes(QStringLiteral("key.dat"));
}

void DocumentsWindowFixture::show(const std::function<void()> &handler,
                                  const QList<ScriptedDialogs::WindowHandler> &then)
{
    doubles.dialogs.windowHandlers.enqueue([handler](QDialog &) { handler(); });
    for (const ScriptedDialogs::WindowHandler &next : then)
        doubles.dialogs.windowHandlers.enqueue(next);
    Platform::dialogs().exec(docs);
}

void DocumentsWindowFixture::click(const char *button)
{
    docs.findChild<QToolButton *>(QLatin1String(button))->click();
}

QTreeView &DocumentsWindowFixture::list()
{
    return *docs.findChild<QTreeView *>(QStringLiteral("ListDocs"));
}
