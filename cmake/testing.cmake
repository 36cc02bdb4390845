# One helper declares every GoogleTest program of the project.
include(GoogleTest)

function(startart_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock startart_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
endfunction()
