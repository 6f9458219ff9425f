# Installing into a Linux desktop, and the Debian package made from that install.
include(GNUInstallDirs)

# The desktop's id for the program: the site's host name reversed, without "www", then the
# product, e.g. https://www.starwell.example gives example.starwell.LumoSoulUrgeNumber.
function(lumo_application_id out site)
  string(REGEX REPLACE "^[a-z]+://(www\\.)?([^/:]+).*$" "\\2" host "${site}")
  string(REPLACE "." ";" labels "${host}")
  list(REVERSE labels)
  list(JOIN labels "." reversed)
  set(${out} "${reversed}.LumoSoulUrgeNumber" PARENT_SCOPE)
endfunction()
lumo_application_id(lumo_default_app_id "${LUMO_SITE_BASE}")
set(LUMO_APP_ID "${lumo_default_app_id}" CACHE STRING
    "The desktop's id for the program: names its .desktop file, metainfo and icons")
target_compile_definitions(lumo-soul-urge-number PRIVATE LUMO_APP_ID="${LUMO_APP_ID}")

# The program itself, on every system; on Windows its DLLs go beside it (LumoWindows.cmake).
install(TARGETS lumo-soul-urge-number RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The rest installs into a Linux desktop.
if(WIN32)
  return()
endif()

# Qt on X11 gives the windows the executable's name as their class.
set(LUMO_WM_CLASS "lumo-soul-urge-number")
set(lumo_packaging ${PROJECT_SOURCE_DIR}/packaging/linux)
set(lumo_generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(${lumo_packaging}/app.desktop.in ${lumo_generated}/${LUMO_APP_ID}.desktop @ONLY)
configure_file(${lumo_packaging}/app.metainfo.xml.in
               ${lumo_generated}/${LUMO_APP_ID}.metainfo.xml @ONLY)

# Debian wants the man page and the changelog compressed at maximum, without a time stamp.
find_program(LUMO_GZIP gzip REQUIRED)
foreach(page IN ITEMS lumo-soul-urge-number.1 changelog.Debian)
  add_custom_command(OUTPUT ${lumo_generated}/${page}.gz
    COMMAND ${LUMO_GZIP} -9n -c ${lumo_packaging}/${page} > ${lumo_generated}/${page}.gz
    DEPENDS ${lumo_packaging}/${page} VERBATIM)
endforeach()
add_custom_target(lumo_packaging_files ALL DEPENDS
  ${lumo_generated}/lumo-soul-urge-number.1.gz ${lumo_generated}/changelog.Debian.gz)

install(FILES ${lumo_generated}/${LUMO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${lumo_generated}/${LUMO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/app-icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LUMO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/app-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${LUMO_APP_ID}.svg)
install(FILES ${lumo_generated}/lumo-soul-urge-number.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${lumo_packaging}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lumo-soul-urge-number)
# Debian's documentation folder is named after the package.
install(FILES ${lumo_packaging}/copyright ${lumo_generated}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumo-soul-urge-number)

# The Debian package: cpack -G DEB in the build folder (scripts/package.sh).
set(CPACK_PACKAGE_NAME lumo-soul-urge-number)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lumo Soul Urge Number developers")
set(CPACK_PACKAGE_CONTACT "The Lumo Soul Urge Number developers <developers@starwell.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numerology calculator for the Soul Urge number of a name")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumo Soul Urge Number scores the vowels of a first, middle and last name,
reduces the total to a Soul Urge number from 1 to 9, or to one of the master
numbers 11 and 22, and shows a report of what that number means. It opens
the maker's help, home and download pages in the browser and reminds the
user every 14 days that an update may exist.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The installed families the windows name in place of Verdana and MS Sans Serif; without them the
# font system substitutes its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMO_SITE_BASE}/lumo-free-soul-urge-number/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
