# Helpers shared by the folders' CMakeLists.

# The folders of src/ and of tests/, which mirrors it: the plain C++ ones, built for
# every platform, then those that stand on Qt altogether.
function(vorna_add_layer_folders)
  add_subdirectory(platform)
  add_subdirectory(eval)
  add_subdirectory(picture)
  add_subdirectory(curves)
  add_subdirectory(generator)
  if(VORNA_BUILD_QT)
    add_subdirectory(res)
    add_subdirectory(app)
  endif()
endfunction()

# vorna_automoc(target ...): moc runs over the sources of these targets, which use Qt.
# The plain C++ targets are left without, so they build with no moc step.
function(vorna_automoc)
  set_target_properties(${ARGN} PROPERTIES AUTOMOC ON)
endfunction()

# vorna_library(name [QT] SOURCES ... LIBS ...): a static library whose headers are
# included as "folder/File.h" from src/. QT marks one that uses Qt.
function(vorna_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  if(ARG_QT)
    vorna_automoc(${name})
  endif()
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
# platform. In a cross build ctest runs it through CMAKE_CROSSCOMPILING_EMULATOR; the
# generous discovery timeout covers Wine creating its prefix on the first start.
function(vorna_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE
    ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/test-fuzz-support)
  if(ARG_QT)
    vorna_automoc(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vorna_qt_test_main GTest::gmock)
    # A static Qt links only the default platform plugin (windows) into a program; the
    # tests run on the offscreen one.
    if(WIN32)
      qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}")
endfunction()

# Collects into `out` the absolute paths of the sources of every target defined in
# `dir` and the folders below it.
function(vorna_listed_sources dir out)
  set(listed)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source ${sources})
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE)
      list(APPEND listed ${source})
    endforeach()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    vorna_listed_sources(${subdir} below)
    list(APPEND listed ${below})
  endforeach()
  set(${out} ${listed} PARENT_SCOPE)
endfunction()

# vorna_require_listed(folder ...): fails when a .cpp file under one of the project's
# folders belongs to no target.
function(vorna_require_listed)
  foreach(folder ${ARGN})
    set(dir ${PROJECT_SOURCE_DIR}/${folder})
    vorna_listed_sources(${dir} listed)
    file(GLOB_RECURSE files ${dir}/*.cpp)
    foreach(file ${files})
      if(NOT file IN_LIST listed)
        message(SEND_ERROR "${file} belongs to no target: add it to its folder's CMakeLists.txt")
      endif()
    endforeach()
  endforeach()
endfunction()
