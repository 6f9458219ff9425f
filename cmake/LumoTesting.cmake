include(GoogleTest)

# Tests are labelled by the layer they cover (the folder under tests/); window tests also by
# their kind, so `ctest -L web` or `ctest -L window` picks a slice.
function(lumo_test_layer out)
  get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

# A test of plain C++ code: GoogleTest, each case registered with CTest on its own.
function(lumo_add_core_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main lumo_options)
  lumo_test_layer(layer)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES LABELS ${layer})
endfunction()

# A test of windows or Qt services: QtTest, run headless on the offscreen platform, or with
# ON_X_DISPLAY on a private Xvfb display, for what the offscreen platform does not do; SCREEN
# gives that display's size ("1280x800"), TARGET reuses the executable of an earlier test.
function(lumo_add_window_test name)
  cmake_parse_arguments(ARG "ON_X_DISPLAY" "SCREEN;TARGET" "SOURCES;LIBS" ${ARGN})
  if(ARG_TARGET)
    set(program ${ARG_TARGET})
  else()
    set(program ${name})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test lumo_options)
  endif()
  if(ARG_SCREEN)
    add_test(NAME ${name} COMMAND xvfb-run --auto-servernum
      "--server-args=-screen 0 ${ARG_SCREEN}x24" $<TARGET_FILE:${program}>)
    set(platform xcb)
  elseif(ARG_ON_X_DISPLAY)
    add_test(NAME ${name} COMMAND xvfb-run --auto-servernum $<TARGET_FILE:${program}>)
    set(platform xcb)
  else()
    add_test(NAME ${name} COMMAND ${program})
    set(platform offscreen)
  endif()
  lumo_test_layer(layer)
  set_tests_properties(${name} PROPERTIES
    LABELS "${layer};window"
    ENVIRONMENT "QT_QPA_PLATFORM=${platform};QT_QPA_PLATFORMTHEME="
    TIMEOUT 120)
endfunction()
