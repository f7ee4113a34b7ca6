# quorix_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS unit|integration|gui]
#                 [TIMEOUT <seconds>] [RESOURCE_LOCK <names...>] [ENVIRONMENT <VAR=value...>])
# Every test runs with the same safe environment: loopback discovery only, offscreen GUI, UTF-8.
set(QUORIX_TEST_ENVIRONMENT
    "LANG=C.UTF-8"
    "LC_ALL=C.UTF-8"
    "QT_QPA_PLATFORM=offscreen"
    "QUORIX_DISCOVERY_INTERFACES=lo"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tools/lsan.supp:print_suppressions=0")

function(quorix_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS;RESOURCE_LOCK;ENVIRONMENT" ${ARGN})
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${QUORIX_TEST_ENVIRONMENT};${ARG_ENVIRONMENT}")
    if(ARG_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_RESOURCE_LOCK}")
    endif()
endfunction()
