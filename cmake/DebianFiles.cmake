# What a Debian desktop expects beside the program: the copyright and
# changelog, the manual page, the mission files' MIME type, the AppStream
# listing and the lintian overrides. Debian wants the changelog and the
# manual page compressed with gzip -9, without a name or time stamp so that
# builds repeat byte for byte.

set(QV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QV_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quorvexer)

configure_file(${QV_PACKAGING_DIR}/quorvexer.6.in ${PROJECT_BINARY_DIR}/quorvexer.6 @ONLY)

# qv_gzip(OUTPUT INPUT): OUTPUT is INPUT compressed the way Debian wants.
function(qv_gzip output input)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -9 -n -c ${input} > ${output}
                     DEPENDS ${input}
                     VERBATIM)
endfunction()

qv_gzip(${PROJECT_BINARY_DIR}/quorvexer.6.gz ${PROJECT_BINARY_DIR}/quorvexer.6)
# A version without a Debian revision makes this a native package, whose
# changelog is changelog.gz.
qv_gzip(${PROJECT_BINARY_DIR}/changelog.gz ${QV_PACKAGING_DIR}/debian/changelog)
add_custom_target(quorvexer_docs ALL
                  DEPENDS ${PROJECT_BINARY_DIR}/quorvexer.6.gz ${PROJECT_BINARY_DIR}/changelog.gz)

install(FILES ${PROJECT_BINARY_DIR}/quorvexer.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${QV_PACKAGING_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${QV_DOCDIR})
install(FILES ${QV_PACKAGING_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorvexer)
install(FILES ${QV_PACKAGING_DIR}/quorvexer-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvexer.xml)
install(FILES ${QV_PACKAGING_DIR}/org.quorvexer.quorvexer.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
