#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The control of that name below a window. A missing one ends the test run with its name, where a null
// pointer would end it without a word.
template <typename T>
T &namedChild(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return *found;
}
