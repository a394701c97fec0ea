# What `cmake --install` and `make deb` put beside the two programs: the
# viewer's data files, its desktop entry, icon and cruise file types, the
# sample cruises, the manual pages and the copyright file. The programs
# themselves are installed by their own folders.

set(data_dir ${PROJECT_SOURCE_DIR}/viewer/data)

# Coastlines, their origin and licence texts, beside which the viewer looks.
foreach(f brscale2.bln brscale.bln world.bln)
  if(EXISTS ${data_dir}/${f})
    install(FILES ${data_dir}/${f} DESTINATION ${CMAKE_INSTALL_DATADIR}/quenvar9)
  endif()
endforeach()
install(FILES ${data_dir}/README.md ${data_dir}/COPYING.LGPL-3 ${data_dir}/COPYING.GPL-3
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quenvar9)

# The desktop entry opens the two kinds of cruise file.
install(FILES ${data_dir}/quenvar9.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data_dir}/quenvar9-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quenvar9.xml)
install(FILES ${data_dir}/quenvar9.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The sample cruises, with their licence and origin.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quenvar9/samples)

# Manual pages, compressed as Debian wants them (-n: no name or time stamp,
# so the same page gives the same bytes).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages)
foreach(page quenvar9.1 halvane.1)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/doc/${page} > ${gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/${page}
    VERBATIM)
  list(APPEND man_pages ${gz})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file, and the Debian changelog a native package carries,
# stamped with the project's version and maintainer.
configure_file(${PROJECT_SOURCE_DIR}/doc/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_BINARY_DIR}/doc/changelog > ${CMAKE_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/doc/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
