# Helpers shared by the folders' CMakeLists.

# Adds every existing child folder of the current folder that has a CMakeLists.txt.
function(vorna_add_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# vorna_library(name SOURCES ... LIBS ...): a static library whose headers are
# included as "folder/File.h" from src/.
function(vorna_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  # libFuzzer's coverage instrumentation, so that a fuzz target sees the branches of
  # the code it calls; only the fuzz targets link libFuzzer itself, the tests of the
  # same build link as usual.
  if(VORNA_BUILD_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# vorna_test(name SOURCES ... LIBS ... [QT] [LABELS ...]): a GoogleTest executable
# registered with ctest. QT gives it a main that makes a QApplication on the offscreen
# platform.
function(vorna_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vorna_qt_test_main GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}")
endfunction()

# vorna_test_folder(prefix LOGIC_LIBS ... UI_LIBS ...): the plain tests in logic/*.cpp
# become <prefix>_logic_tests, the widget tests in ui/*.cpp <prefix>_ui_tests.
function(vorna_test_folder prefix)
  cmake_parse_arguments(ARG "" "" "LOGIC_LIBS;UI_LIBS" ${ARGN})
  file(GLOB logic CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/logic/*.cpp)
  file(GLOB ui CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp)
  if(logic)
    vorna_test(${prefix}_logic_tests SOURCES ${logic} LIBS ${ARG_LOGIC_LIBS})
  endif()
  if(ui)
    vorna_test(${prefix}_ui_tests QT SOURCES ${ui} LIBS ${ARG_UI_LIBS})
  endif()
endfunction()
