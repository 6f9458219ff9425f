# Compile options shared by every target of the project.
add_library(lumo_options INTERFACE)
target_compile_features(lumo_options INTERFACE cxx_std_20)
if(MSVC)
  target_compile_options(lumo_options INTERFACE /W4 /permissive- /utf-8)
else()
  target_compile_options(lumo_options INTERFACE -Wall -Wextra -Wpedantic)
endif()
target_compile_definitions(lumo_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_UP_TO=0x060000)

# The hardening Debian expects of a packaged program.
if(NOT MSVC AND NOT WIN32)
  target_compile_definitions(lumo_options INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_link_options(lumo_options INTERFACE LINKER:-z,relro,-z,now)
endif()

# Reproducible output: the same commit gives the same bytes in any folder. Paths in debug
# information, __FILE__ and the like are written relative to the source or build folder (the
# later map wins, so the build folder inside the source tree maps first), which also keeps the
# build id, a hash of the linked file, the same.
if(NOT MSVC)
  target_compile_options(lumo_options INTERFACE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
# MinGW's linker writes the link time into the PE header unless told not to.
if(WIN32 AND NOT MSVC)
  target_link_options(lumo_options INTERFACE LINKER:--no-insert-timestamp)
endif()

option(LUMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(LUMO_SANITIZE AND NOT MSVC)
  target_compile_options(lumo_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lumo_options INTERFACE -fsanitize=address,undefined)
endif()
