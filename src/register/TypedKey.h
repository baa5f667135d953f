#pragma once

#include <QKeyEvent>

// Tells whether a key press puts a character into a field (which marks the record as changed).
// Editing keys that produce a control character count; pure movement and deletion keys do not.
class TypedKey {
public:
    static bool producesCharacter(const QKeyEvent &event);
};
