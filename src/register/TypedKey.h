#pragma once

#include <QString>
#include <Qt>

// Tells whether a key press puts a character into a field (which marks the record as changed).
// Editing keys that produce a control character count; pure movement and deletion keys do not.
class TypedKey {
public:
    // key is a Qt::Key, text the text the key press carries.
    static bool producesCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text);
};
