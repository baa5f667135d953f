#pragma once

#include "register/InvoiceFile.h"

#include <QObject>
#include <QStringList>

// "The shown record": the record list of the loaded year, the current index and the two flags that
// guard unsaved input. It performs every change of the list and tells what came of it instead of
// showing boxes; every change of the list or of the current index is announced, so views of the list
// stay in step without reaching into it.
class RecordSession final : public QObject {
    Q_OBJECT

public:
    // Incomplete: a record without creditor name or e-mail. Refused: a record that cannot be stored as it
    // is. Whatever was not stored stays on screen with its input, so nothing typed is lost.
    enum class Outcome { Done, Incomplete, Refused, ReadFailed, WriteFailed };
    struct Result {
        Outcome outcome = Outcome::Done;
        QString message; // for the user, when not done
        [[nodiscard]] bool done() const { return outcome == Outcome::Done; }
    };

    explicit RecordSession(QObject *parent = nullptr);

    // The year file the list belongs to; the list is emptied until load() reads it.
    void setPath(const QString &path);
    const QString &path() const { return m_file.path(); }
    bool fileExists() const { return m_file.exists(); }
    // Reads the year file and goes to its first record. A missing file leaves the list empty; a file
    // that cannot be read leaves the index where it was.
    Result load();

    qsizetype count() const { return m_file.count(); }
    const QStringList &lines() const { return m_file.lines(); }
    // The line at index cut to the length a record may use; empty past the end.
    QString lineForUse(qsizetype index) const { return m_file.lineForUse(index); }
    QString currentLine() const { return lineForUse(m_index); }

    qsizetype currentIndex() const { return m_index; }
    bool isNewRecord() const { return m_newRecord; }
    bool isModified() const { return m_modified; }
    // The cleared fields of a year's untouched start hold nothing to save; after "Neu" they do.
    bool hasUnsavedInput() const { return m_modified || (m_newRecord && !m_untouchedStart); }
    void setModified(bool modified) { m_modified = modified; }

    // The next record will be appended: index past the end, new-record flag set, nothing modified.
    void startNew();
    // The same at the start of a year without a file, before the user did anything.
    void startNewYear();
    // Shows the record at index (which may lie past the end, as after a failed load); clears both flags.
    void moveTo(qsizetype index);
    // Back to the state before any year is loaded: first position, no flags.
    void reset();

    // Stores the 21 field texts at the current index, or appends them for a new record. Control
    // characters are stored as blanks, and every value trimmed. A line longer than a line may be when
    // read back is refused.
    Result store(const QStringList &fields);
    // Removes the current record and goes back to the first.
    Result removeCurrent();
    // Both store and removeCurrent refuse a file that was not read whole: writing would lose its rest.

Q_SIGNALS:
    void listChanged();
    void currentIndexChanged(qsizetype index);
    // A stored record took the place of an earlier one; both lines as the file holds them.
    void recordReplaced(const QString &previousLine, const QString &storedLine);

private:
    Result writeOrUndo(const std::function<void()> &undo);
    Result refusalOfWrite() const;
    Result refusalOfCharacters(const QStringList &fields) const;
    static Result refusalOfLength(const QString &line);
    void setIndex(qsizetype index);

    InvoiceFile m_file;
    qsizetype m_index = 0;
    bool m_newRecord = false;
    bool m_modified = false;
    bool m_untouchedStart = false;
    bool m_readFailed = false;
};
