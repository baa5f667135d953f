#pragma once

// The settings file's lines by position, counted from 1 as in the file. The reserved lines are carried
// through unchanged; line 9 goes to the settings window as its EndDate.
enum class SettingsLine {
    Reserved1 = 1,
    Reserved2,
    Reserved3,
    AccountHolder,
    BankingLogin,
    BankingUser,
    BankingPassword,
    BackupFolder,
    Reserved9,
    ProgramPassword,
};

inline constexpr int settingsLineCount = 10;

inline constexpr int indexOf(SettingsLine line)
{
    return static_cast<int>(line) - 1;
}
