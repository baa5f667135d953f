#include "register/TypedKey.h"

namespace {

bool isControlLetter(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    // Ctrl+F belongs to the main window's search, not to the field.
    return modifiers == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z
        && event.key() != Qt::Key_F;
}

bool isPrintable(const QString &text)
{
    return !text.isEmpty() && text.front() >= QLatin1Char(' ') && text.front() != QChar(0x7F);
}

} // namespace

bool TypedKey::producesCharacter(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (isControlLetter(event))
        return true;
    const bool commandModifier = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !commandModifier && isPrintable(event.text());
}
