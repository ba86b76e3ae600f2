# The Debian package: `cpack` in the build folder makes caldrix_<version>_amd64.deb of what
# `cmake --install` installs, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME caldrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CALDRIX_MAINTENEUR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped: the debugging information stays in the build folder.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CALDRIX_MAINTENEUR})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time it cannot
# see: the archive's SQL drivers, and Qt's French texts for its own dialogs. The window system
# plugin (xcb) is in libqt6gui6, which the libraries bring.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n")
# Wayland without going through XWayland, and the desktop's own file dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-qpa-plugins")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logiciel des enregistreurs de température 7306 et 7307")
# Lines of at most 80 characters: CPack does not wrap them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Caldrix lit les enregistreurs à piles 7306 (température) et 7307 (température
et hygrométrie) sur un port série : il télécharge leurs mesures, trace les
courbes, les présente en tableau, les enregistre et les imprime, programme la
campagne suivante et calcule la valeur pasteurisatrice ou stérilisatrice d'un
traitement thermique. Il donne aussi les statistiques d'un enregistrement, un
rapport PDF à signer et des archives (SQLite ou PostgreSQL) qui prouvent que
les fichiers n'ont pas été modifiés.

Le paquet contient aussi caldrix-cli, le même travail en ligne de commande, et
caldrix-logger-sim, un enregistreur simulé pour essayer le programme.")
# Directories 0755 and files 0644 whatever the umask of whoever builds.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
