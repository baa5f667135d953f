#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// The one way a file of ours is written or replaced: the content goes into a temporary file beside the
// target, which is flushed onto the disk, given its permissions and time, and then renamed over the
// target in one step. Every step is checked; after any failure the old file is as it was and the
// temporary is gone.
class FileReplace {
public:
    struct Options {
        std::optional<QFileDevice::Permissions> permissions; // else owner read and write
        std::optional<QDateTime> modified;                   // else the time of writing
    };

    // The steps of one replacement, apart so that tests can make any of them fail. Dropping it before
    // commit() removes the temporary.
    class Steps {
    public:
        virtual ~Steps() = default;
        [[nodiscard]] virtual QString open() = 0;
        // Where the content goes; a failed write shows in its errorString().
        virtual QIODevice &device() = 0;
        // Everything written is on the disk, not only in a buffer.
        [[nodiscard]] virtual QString flush() = 0;
        [[nodiscard]] virtual QString setAttributes(const Options &options) = 0;
        // In place of the target, in one step.
        [[nodiscard]] virtual QString commit() = 0;
    };
    using StepsMaker = std::function<std::unique_ptr<Steps>(const QString &target)>;

    // fill writes the content and returns the reason it could not (a source that failed), else empty.
    // Returns the German reason of the first step that failed, empty on success.
    [[nodiscard]] static QString replace(const QString &path, const std::function<QString(QIODevice &)> &fill,
                                         const Options &options = {});
    [[nodiscard]] static QString replace(const QString &path, const QByteArray &bytes, const Options &options = {});
    // Renames a file or folder in one step, as the moves of a restore do.
    [[nodiscard]] static QString move(const QString &from, const QString &to);
    // The same, but refused ("exists") when something already has the new name, checked and renamed in
    // one step, so nothing another program put there in between is lost.
    [[nodiscard]] static QString moveToNewName(const QString &from, const QString &to);
    // Puts a file written completely by someone else (libzip) in place of the target,
    // in the same folder: its attributes set, flushed onto the disk, renamed.
    [[nodiscard]] static QString moveInto(const QString &complete, const QString &target, const Options &options = {});
    // The temporary's name pattern, for the start's clean-up: "name.XXXXXX".
    static bool isLeftoverOf(const QString &fileName, const QString &targetName);

    static std::unique_ptr<Steps> realSteps(const QString &target);
    // Tests put in steps that fail; returns the maker that was in use.
    static StepsMaker setStepsMaker(StepsMaker maker);
};
