# Helpers shared by every folder's CMakeLists.

# Batch-side targets hold Japanese literals that must become code page 932
# bytes, because their output formats count widths in bytes.
function(wtn_batch_charset target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
endfunction()

# Qt's programs look for the user's private runtime folder (XDG_RUNTIME_DIR)
# and warn at every start without one. The tests, their discovery at build
# time and the programs they start get a folder of their own in the build
# tree, readable by its owner alone as Qt requires.
set(WTN_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${WTN_TEST_RUNTIME_DIR})
file(CHMOD ${WTN_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# A GoogleTest executable discovered by CTest. Test executables live outside the
# program folder; tests that start programs find them through WTN_PROGRAM_DIR.
#   wtn_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [BATCH])
function(wtn_add_test)
  cmake_parse_arguments(T "BATCH" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    WTN_PROGRAM_DIR="${WTN_PROGRAM_DIR}"
    WTN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  if(T_BATCH)
    wtn_batch_charset(${T_NAME})
  endif()
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "XDG_RUNTIME_DIR=set:${WTN_TEST_RUNTIME_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
