#include "register/TypedKey.h"

namespace {

bool isControlLetter(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~(Qt::ShiftModifier | Qt::KeypadModifier);
    // Ctrl+F belongs to the main window's search, not to the field.
    return modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z && key != Qt::Key_F;
}

bool isPrintable(QStringView text)
{
    return !text.isEmpty() && text.front() >= QLatin1Char(' ') && text.front() != QChar(0x7F);
}

} // namespace

bool TypedKey::producesCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter: return true;
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    default: break;
    }
    if (isControlLetter(key, modifiers))
        return true;
    const bool commandModifier = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !commandModifier && isPrintable(text);
}
