# Shared-library conventions: export header, version, install rules, exported package.
include(GenerateExportHeader)
include(CMakePackageConfigHelpers)

set(QUORIX_EXPORT_SET QuorixTargets)

# quorix_setup_library(<target> EXPORT_HEADER <include-relative path> [OUTPUT_NAME <name>]
#                      [INCLUDE_DIR <dir>] [INSTALL_INCLUDE_SUBDIR <dir>])
function(quorix_setup_library target)
    cmake_parse_arguments(ARG "" "EXPORT_HEADER;OUTPUT_NAME;INCLUDE_DIR;INSTALL_INCLUDE_SUBDIR" "" ${ARGN})
    if(NOT ARG_INCLUDE_DIR)
        set(ARG_INCLUDE_DIR "${CMAKE_CURRENT_SOURCE_DIR}/include")
    endif()
    set(generated_dir "${CMAKE_CURRENT_BINARY_DIR}/generated")
    generate_export_header(${target} EXPORT_FILE_NAME "${generated_dir}/${ARG_EXPORT_HEADER}")
    target_include_directories(${target} PUBLIC
        "$<BUILD_INTERFACE:${ARG_INCLUDE_DIR}>"
        "$<BUILD_INTERFACE:${generated_dir}>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/quorix>")
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        EXPORT_NAME ${target})
    if(ARG_OUTPUT_NAME)
        set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
    endif()
    add_library(Quorix::${target} ALIAS ${target})
    install(TARGETS ${target} EXPORT ${QUORIX_EXPORT_SET}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(DIRECTORY "${ARG_INCLUDE_DIR}/" "${generated_dir}/"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/quorix"
        FILES_MATCHING PATTERN "*.h")
endfunction()

function(quorix_install_package)
    set(config_dir "${CMAKE_INSTALL_LIBDIR}/cmake/Quorix")
    install(EXPORT ${QUORIX_EXPORT_SET} NAMESPACE Quorix:: DESTINATION "${config_dir}")
    configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/QuorixConfig.cmake.in"
        "${PROJECT_BINARY_DIR}/QuorixConfig.cmake" INSTALL_DESTINATION "${config_dir}")
    write_basic_package_version_file("${PROJECT_BINARY_DIR}/QuorixConfigVersion.cmake"
        COMPATIBILITY SameMajorVersion)
    install(FILES "${PROJECT_BINARY_DIR}/QuorixConfig.cmake" "${PROJECT_BINARY_DIR}/QuorixConfigVersion.cmake"
        DESTINATION "${config_dir}")
endfunction()
