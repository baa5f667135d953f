# The Debian package: `cpack -G DEB` or `cmake --build <build> --target package` in a Release build.
# Nothing here is built by the everyday build; the package target asks for it.

set(ZETTMAR_MAINTAINER "zettmar Entwicklung <zettmar@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

# What Debian asks of every package beside the program, installed with it everywhere: copyright,
# change log and manual page, the last two compressed as its policy wants them.
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
string(TIMESTAMP ZETTMAR_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${packaging_dir}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${packaging_dir}/changelog COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/zettmar.1
                OUTPUT_FILE ${packaging_dir}/zettmar.1.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${packaging_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packaging_dir}/zettmar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zettmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZETTMAR_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZETTMAR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's German texts for its own buttons and dialogs, read at start when they are there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# CPack indents the lines and marks the empty one as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[register of incoming invoices / Register der Eingangsrechnungen
zettmar keeps the incoming invoices of a small business or a household:
one record per invoice with creditor, address, bank data, invoice date,
amount, payment term, due date and status; lists of due and open
invoices, payment QR codes, linked documents and backups. The user
interface is German; the data stays in ~/.local/share/zettmar/.

zettmar verwaltet die Eingangsrechnungen eines kleinen Betriebs oder
eines Haushalts: ein Datensatz je Rechnung mit Gläubiger, Anschrift,
Bankverbindung, Rechnungsdatum, Betrag, Zahlungsziel, Fälligkeit und
Status; Listen fälliger und offener Rechnungen, Zahlungs-QR-Codes,
verknüpfte Dokumente und Sicherungen. Die Daten bleiben unter
~/.local/share/zettmar/.]=])

include(CPack)
