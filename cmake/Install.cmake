# Where `cmake --install` puts the program and the files a desktop needs to list it in the
# application menu; CPack packs the same files (settings in Packaging.cmake).
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

configure_file(${TALLYWORTH_DATA_DIR}/${TALLYWORTH_APP_ID}.desktop.in ${TALLYWORTH_DESKTOP_FILE}
               @ONLY)
configure_file(${TALLYWORTH_DATA_DIR}/${TALLYWORTH_APP_ID}.metainfo.xml.in
               ${TALLYWORTH_METAINFO_FILE} @ONLY)
configure_file(${TALLYWORTH_DATA_DIR}/copyright.in ${TALLYWORTH_GENERATED_DATA_DIR}/copyright
               @ONLY)

install(TARGETS tallyworth RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TALLYWORTH_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TALLYWORTH_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TALLYWORTH_GENERATED_DATA_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${TALLYWORTH_EXECUTABLE})

# The classroom page as a service, installed disabled, and the options it starts with.
install(FILES ${TALLYWORTH_DATA_DIR}/tallyworth-serve.service
        DESTINATION lib/systemd/system)
install(FILES ${TALLYWORTH_DATA_DIR}/tallyworth-serve.default DESTINATION /etc/default
        RENAME tallyworth-serve)
# The lines that put it behind nginx, as the README gives them.
install(FILES ${TALLYWORTH_DATA_DIR}/nginx-tallyworth-serve.conf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${TALLYWORTH_EXECUTABLE}/examples)

set(_tallyworth_icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${TALLYWORTH_DATA_DIR}/icons/tallyworth.svg
        DESTINATION ${_tallyworth_icon_root}/scalable/apps RENAME ${TALLYWORTH_APP_ID}.svg)
foreach(size IN LISTS TALLYWORTH_ICON_SIZES)
  install(FILES ${TALLYWORTH_DATA_DIR}/icons/png/tallyworth-${size}.png
          DESTINATION ${_tallyworth_icon_root}/${size}x${size}/apps
          RENAME ${TALLYWORTH_APP_ID}.png)
endforeach()

include(CPack)
