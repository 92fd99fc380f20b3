# Common settings for every library target of the project.
function(stratagon_target name)
  target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Precompiled QtCore headers, shared by the targets that ask for them.
function(stratagon_qt_pch name)
  target_precompile_headers(${name} PRIVATE <QString> <QStringList> <QList> <QByteArray> <QHash> <QMap> <functional> <memory> <vector>)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${name} PRIVATE -fpch-preprocess)
  endif()
endfunction()

# A test executable per target, registered under the target's name.
# Gui tests run offscreen; every test runs in parallel with ctest -j.
function(stratagon_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_compile_options(${name} PRIVATE -Wall -Wno-unused-parameter)
  # Relative to the test program's folder (the test mains start there), so
  # compile lines are the same in every checkout and ccache shares them.
  file(RELATIVE_PATH data_dir "${CMAKE_CURRENT_BINARY_DIR}" "${PROJECT_SOURCE_DIR}/tests/data")
  target_compile_definitions(${name} PRIVATE STRATAGON_TEST_DATA="${data_dir}")
  stratagon_qt_pch(${name})
  # Every test file includes GoogleTest; parsing it once per program saves
  # seconds per file.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
  if(STRATAGON_TEST_WHOLE_PROGRAMS)
    # One CTest test per program: every case runs in one process, which
    # saves starting the program (and Qt) once per case.
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
  else()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
