# Release packages, made with cpack from a configured build:
#   Windows: a zip holding movra.exe and README.md side by side.
#   Linux:   a .tar.gz and a .deb with bin/movra, the man page movra.1 and README.md.
# scripts/package.sh builds both into dist/.

set(CPACK_PACKAGE_NAME movra)
set(CPACK_PACKAGE_VENDOR "Movra developers")
set(CPACK_PACKAGE_CONTACT "Movra developers <movra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compare two folders and report how they differ")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

set(_movra_readme ${PROJECT_SOURCE_DIR}/README.md)

if(WIN32)
    # The zip is flat: its own component holds the program and the README at the top,
    # apart from the bin/ layout of a plain install.
    install(TARGETS movra RUNTIME DESTINATION . COMPONENT windows_zip)
    if(EXISTS ${_movra_readme})
        install(FILES ${_movra_readme} DESTINATION . COMPONENT windows_zip)
    endif()
    set(CPACK_GENERATOR ZIP)
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL windows_zip)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_SYSTEM_NAME windows-x86_64)
else()
    install(FILES ${PROJECT_SOURCE_DIR}/docs/movra.1 DESTINATION share/man/man1)
    if(EXISTS ${_movra_readme})
        install(FILES ${_movra_readme} DESTINATION share/doc/movra)
    endif()
    set(CPACK_GENERATOR TGZ DEB)
    set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})

    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_PACKAGE_DESCRIPTION
        "Pairs the entries of two folders by name and compares them by size, time, attributes and content; prints the differences, or a list of actions, and can fix letter-case differences in the target's names.")
    # The dependencies (libc6, libstdc++6, ...) come from the binary itself.
    find_program(MOVRA_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(MOVRA_DPKG_SHLIBDEPS)
        set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    endif()
endif()

include(CPack)
