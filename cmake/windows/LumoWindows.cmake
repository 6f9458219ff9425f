# The Windows program: icon and version resource, the DLLs and plug-ins it loads installed beside
# it, and the `installer` target that packs the installed folder with NSIS.
set(LUMO_EXECUTABLE_NAME lumo-soul-urge-number)
set(LUMO_PRODUCT_NAME "Lumo Soul Urge Number")
set(LUMO_PUBLISHER "Starwell Softwares")
set(LUMO_COPYRIGHT "Copyright (c) 2026 The Lumo Soul Urge Number developers")
set(LUMO_SETUP_NAME ${LUMO_EXECUTABLE_NAME}-${PROJECT_VERSION}-setup.exe)

# Icon (16 to 256 px, rendered from the SVG) and version information.
set(LUMO_ICO_FILE ${CMAKE_BINARY_DIR}/app-icon.ico)
add_custom_command(OUTPUT ${LUMO_ICO_FILE}
  COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/windows/make-icon.sh
          ${PROJECT_SOURCE_DIR}/resources/app-icon.svg ${LUMO_ICO_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/app-icon.svg
          ${PROJECT_SOURCE_DIR}/packaging/windows/make-icon.sh
  COMMENT "Rendering the application icon")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/app.rc.in ${CMAKE_BINARY_DIR}/app.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/app.rc PROPERTIES OBJECT_DEPENDS ${LUMO_ICO_FILE})
target_sources(${LUMO_EXECUTABLE_NAME} PRIVATE ${CMAKE_BINARY_DIR}/app.rc)

# Everything the program loads is installed beside it, so nothing comes from outside its folder:
# the Qt libraries, the platform plug-in and the MinGW C++ runtime. No style plug-in: the program
# draws with Fusion, which is built into Qt Widgets, on every platform.
set(lumo_deploy_dir bin)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION ${lumo_deploy_dir})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${lumo_deploy_dir}/platforms)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "The MinGW runtime library ${runtime} was not found.")
  endif()
  install(FILES ${runtime_path} DESTINATION ${lumo_deploy_dir})
  get_filename_component(runtime_dir ${runtime_path} DIRECTORY)
  list(APPEND LUMO_MINGW_RUNTIME_DIRS ${runtime_dir})
endforeach()
list(REMOVE_DUPLICATES LUMO_MINGW_RUNTIME_DIRS)
# Qt is shared under the LGPL: its licence texts travel with its DLLs.
if(EXISTS ${QT6_INSTALL_PREFIX}/LICENSES)
  install(DIRECTORY ${QT6_INSTALL_PREFIX}/LICENSES/ DESTINATION ${lumo_deploy_dir}/licenses/Qt)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${lumo_deploy_dir}/licenses
          RENAME ${LUMO_EXECUTABLE_NAME}.txt)
endif()

# The installer: installs the build into a staging folder and packs it with makensis.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/product.nsh.in
               ${CMAKE_BINARY_DIR}/product.nsh @ONLY)
add_custom_target(installer
  COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/windows/make-installer.sh
          ${CMAKE_BINARY_DIR} ${lumo_deploy_dir} ${CMAKE_BINARY_DIR}/${LUMO_SETUP_NAME}
  DEPENDS ${LUMO_EXECUTABLE_NAME}
  BYPRODUCTS ${CMAKE_BINARY_DIR}/${LUMO_SETUP_NAME}
  COMMENT "Building ${LUMO_SETUP_NAME}"
  USES_TERMINAL)
