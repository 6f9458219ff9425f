# Windows test programs built on Linux run under Wine: CTest and GoogleTest's discovery start every
# test .exe through this build's wine-run.sh, which finds Qt's and MinGW's DLLs where they were
# built and keeps a Wine prefix of its own in the build folder.
find_program(LUMO_WINE wine REQUIRED)
set(LUMO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

set(lumo_wine_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${LUMO_MINGW_RUNTIME_DIRS})
set(LUMO_WINEPATH "")
foreach(dir ${lumo_wine_dirs})
  string(REPLACE "/" "\\" dir "Z:${dir}")
  list(APPEND LUMO_WINEPATH "${dir}")
endforeach()
list(JOIN LUMO_WINEPATH ";" LUMO_WINEPATH)
string(REPLACE "/" "\\" LUMO_QT_PLUGIN_PATH "Z:${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")

set(LUMO_WINE_FONTS ${PROJECT_SOURCE_DIR}/tests/windows/wine-fonts.sh)
configure_file(${PROJECT_SOURCE_DIR}/tests/windows/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
