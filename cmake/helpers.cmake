# bt_add_library(NAME SOURCES ... LIBS ...): a static library of one module.
function(bt_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
endfunction()

# bt_add_test(NAME SOURCES ... LIBS ...): a GoogleTest program registered with CTest.
# Tests run with the source root as working directory and know it as BT_SOURCE_DIR.
function(bt_add_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE BT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             BT_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${A_PROPERTIES}
                       DISCOVERY_TIMEOUT 60)
endfunction()
