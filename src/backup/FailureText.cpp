#include "backup/FailureText.h"

#include "platform/SystemReason.h"

#include <cerrno>
#include <cstring>
#include <zip.h>

QString FailureText::ofSystem(int errorNumber)
{
    return SystemReason::german(QString::fromLocal8Bit(std::strerror(errorNumber)));
}

QString FailureText::ofZipCode(int zipErrorCode)
{
    switch (zipErrorCode) {
    case ZIP_ER_CRC: return QStringLiteral("Prüfsummenfehler, das Archiv ist beschädigt");
    case ZIP_ER_NOZIP: return QStringLiteral("Keine ZIP-Datei");
    case ZIP_ER_INCONS:
    case ZIP_ER_COMPRESSED_DATA: return QStringLiteral("Das Archiv ist beschädigt");
    case ZIP_ER_EOF: return QStringLiteral("Das Archiv endet vorzeitig");
    case ZIP_ER_COMPNOTSUPP: return QStringLiteral("Kompressionsverfahren wird nicht unterstützt");
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: return QStringLiteral("Verschlüsselte Archive werden nicht unterstützt");
    case ZIP_ER_MEMORY: return QStringLiteral("Nicht genug Arbeitsspeicher");
    case ZIP_ER_NOENT: return QStringLiteral("Datei nicht gefunden");
    case ZIP_ER_CANCELLED: return QStringLiteral("Abgebrochen");
    default: return QStringLiteral("Fehler im ZIP-Archiv (%1)").arg(zipErrorCode);
    }
}

QString FailureText::ofZip(const zip_error *error)
{
    if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0)
        return ofSystem(zip_error_code_system(error));
    return ofZipCode(zip_error_code_zip(error));
}

QString FailureText::ofZipOpen(int zipErrorCode)
{
    const int systemError = errno;
    return zip_error_get_sys_type(zipErrorCode) == ZIP_ET_SYS ? ofSystem(systemError) : ofZipCode(zipErrorCode);
}
