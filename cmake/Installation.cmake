# Installed layout and the Debian package.
#
# The program looks for its pictures in "../pixmaps/" from its working
# directory, so it is installed in share/quarlo4/bin beside
# share/quarlo4/pixmaps, and bin/quarlo4 is a launcher that starts it there.
include(GNUInstallDirs)

set(QUARLO4_PARTAGE "${CMAKE_INSTALL_DATADIR}/quarlo4")
install(TARGETS jeu_quarlo4 RUNTIME DESTINATION "${QUARLO4_PARTAGE}/bin")
install(FILES
  pixmaps/vide.png pixmaps/jaune.png pixmaps/rouge.png
  pixmaps/humain-jaune.png pixmaps/humain-rouge.png pixmaps/ordi-jaune.png pixmaps/ordi-rouge.png
  DESTINATION "${QUARLO4_PARTAGE}/pixmaps")

# The launcher reaches the game's folder relative to its own, so that the same
# script works from any prefix.
file(RELATIVE_PATH QUARLO4_VERS_JEU "/p/${CMAKE_INSTALL_BINDIR}" "/p/${QUARLO4_PARTAGE}/bin")
configure_file(packaging/quarlo4.in "${PROJECT_BINARY_DIR}/packaging/quarlo4" @ONLY)
install(PROGRAMS "${PROJECT_BINARY_DIR}/packaging/quarlo4" DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The menu entry needs absolute paths, known only at install time: cmake
# --install --prefix and CPack each choose theirs then.
install(CODE "
  set(QUARLO4_LANCEUR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quarlo4\")
  set(QUARLO4_DOSSIER_JEU \"\${CMAKE_INSTALL_PREFIX}/${QUARLO4_PARTAGE}/bin\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/quarlo4.desktop.in\"
                 \"${PROJECT_BINARY_DIR}/packaging/quarlo4.desktop\" @ONLY)
  file(INSTALL \"${PROJECT_BINARY_DIR}/packaging/quarlo4.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

# The icon is a yellow token in its cell, rendered from that picture's own
# source at each size rather than scaled from the 60x60 board picture.
find_program(QUARLO4_RSVG_CONVERT rsvg-convert)
if(NOT QUARLO4_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found, needed to draw the icon: run scripts/installer-dependances.sh")
endif()
set(QUARLO4_ICONES)
foreach(taille 48 64 128)
  set(dossier "${PROJECT_BINARY_DIR}/icones/${taille}x${taille}")
  add_custom_command(OUTPUT "${dossier}/quarlo4.png"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${dossier}"
    COMMAND "${QUARLO4_RSVG_CONVERT}" -w ${taille} -h ${taille} -f png -o "${dossier}/quarlo4.png"
            "${PROJECT_SOURCE_DIR}/pixmaps/src/jaune.svg"
    DEPENDS "${PROJECT_SOURCE_DIR}/pixmaps/src/jaune.svg"
    VERBATIM)
  list(APPEND QUARLO4_ICONES "${dossier}/quarlo4.png")
  install(FILES "${dossier}/quarlo4.png" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps")
endforeach()
add_custom_target(icones_quarlo4 ALL DEPENDS ${QUARLO4_ICONES})

# cpack builds quarlo4_<version>_<arch>.deb for /usr; the runtime
# dependencies come from dpkg-shlibdeps on the installed program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarlo4)
set(CPACK_PACKAGE_VENDOR "Equipe Quarlo 4")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game for two: line up four tokens")
set(CPACK_PACKAGE_DESCRIPTION [[
Two players, each a human or the computer at one of three levels, drop
yellow and red tokens into a grid of 7 columns and 6 rows; the first to
line up four tokens wins. GTK+ 2 interface, in French.]])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe Quarlo 4 <equipe@quarlo4.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# With DESTDIR staging the install step sees the real prefix, /usr, which the
# menu entry above writes in.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
