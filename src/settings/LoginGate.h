#pragma once

#include <QString>

class TFormLogin;

// The password question at start-up.
class LoginGate {
public:
    // With no program password set, shows nothing and returns true. Otherwise shows the login window
    // modally; returns true after a correct entry. When it returns false the program has already been
    // ended through the platform (exit code 0), and the caller returns at once without going on.
    static bool admit(TFormLogin &login, const QString &programPassword);
};
