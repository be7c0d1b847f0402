# SPDX-License-Identifier: MIT
# The libraries that other programs may build on (the rules, the calculation),
# installed with a CMake package and pkg-config files:
#
#   include/ratedload/NAME/*.h               the headers of ratedload_NAME
#   LIBDIR/libratedload_NAME.a
#   LIBDIR/cmake/ratedload/                  find_package(ratedload CONFIG):
#                                            ratedload::NAME for each one installed
#   LIBDIR/pkgconfig/ratedload-NAME.pc
#
# A library's folder calls, after its add_library and target_link_libraries:
#
#   ratedload_install_library(NAME [REQUIRES OTHER...])
#
# REQUIRES names the installed libraries that its headers include (calc: rules).
# The top-level CMakeLists.txt calls ratedload_install_package() once, after
# every library's folder. Everything goes to the install component
# "development".

include_guard(GLOBAL)
include(CMakePackageConfigHelpers)

set(RATEDLOAD_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ratedload)

function(ratedload_install_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "REQUIRES")
    set(target ratedload_${name})

    # Inside the tree a header includes another from the top of the tree
    # ("rules/Units.h"); a program outside writes <ratedload/rules/Units.h>.
    # Both must resolve in the installed headers.
    target_include_directories(${target} PUBLIC
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/ratedload>)

    # The project's warning and floating-point options build the library;
    # they are not the business of a program that links it. A static
    # library's private links are part of its exported interface, so this
    # one is kept to the build tree.
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(links ${target} ${property})
        if(links)
            list(TRANSFORM links REPLACE "^ratedload_compile_options$"
                "$<BUILD_INTERFACE:ratedload_compile_options>")
            list(TRANSFORM links REPLACE "^\\$<LINK_ONLY:ratedload_compile_options>$"
                "$<LINK_ONLY:$<BUILD_INTERFACE:ratedload_compile_options>>")
            set_target_properties(${target} PROPERTIES ${property} "${links}")
        endif()
    endforeach()

    # A plugin (a shared object) may link it too.
    set_target_properties(${target} PROPERTIES
        EXPORT_NAME ${name}
        POSITION_INDEPENDENT_CODE ON)

    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.h$")
    install(FILES ${sources}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ratedload/${name}
        COMPONENT development)
    install(TARGETS ${target} EXPORT ratedload-${name}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
    # With --strip (and in the Debian package): debugging information and
    # the compiler's notes out, the symbols that a program links kept.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
                --remove-section=.comment --remove-section=.note --enable-deterministic-archives
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:${target}>\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()"
        COMPONENT development)
    install(EXPORT ratedload-${name}
        FILE ratedload-${name}-targets.cmake
        NAMESPACE ratedload::
        DESTINATION ${RATEDLOAD_CMAKE_DIR}
        COMPONENT development)

    # pkg-config wants an absolute prefix, and the package's (/usr) is not the
    # one configured: the file is written at install time.
    list(TRANSFORM arg_REQUIRES PREPEND ratedload-)
    list(JOIN arg_REQUIRES ", " requires)
    set(pc ${CMAKE_CURRENT_BINARY_DIR}/ratedload-${name}.pc)
    install(CODE "
        set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
        set(name ${name})
        set(description \"${PROJECT_DESCRIPTION} (ratedload::${name})\")
        set(version ${PROJECT_VERSION})
        set(requires \"${requires}\")
        set(includedir ${CMAKE_INSTALL_INCLUDEDIR})
        set(libdir ${CMAKE_INSTALL_LIBDIR})
        configure_file(\"${PROJECT_SOURCE_DIR}/cmake/ratedload.pc.in\" \"${pc}\" @ONLY)"
        COMPONENT development)
    install(FILES ${pc}
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT development)

    # Dependencies first: the package config loads them in this order.
    set_property(GLOBAL APPEND PROPERTY RATEDLOAD_INSTALLED_LIBRARIES ${name})
endfunction()

function(ratedload_install_package)
    get_property(RATEDLOAD_LIBRARIES GLOBAL PROPERTY RATEDLOAD_INSTALLED_LIBRARIES)
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ratedload-config.cmake.in
        ${PROJECT_BINARY_DIR}/ratedload-config.cmake
        INSTALL_DESTINATION ${RATEDLOAD_CMAKE_DIR}
        NO_SET_AND_CHECK_MACRO)
    # A program that asks for 1.0 takes 1.1, not 2.0.
    write_basic_package_version_file(${PROJECT_BINARY_DIR}/ratedload-config-version.cmake
        COMPATIBILITY SameMajorVersion)
    install(FILES
        ${PROJECT_BINARY_DIR}/ratedload-config.cmake
        ${PROJECT_BINARY_DIR}/ratedload-config-version.cmake
        DESTINATION ${RATEDLOAD_CMAKE_DIR}
        COMPONENT development)
endfunction()
