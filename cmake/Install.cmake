# What `cmake --install` puts where (GNU folders under the prefix), and the Debian package made
# from it by CPack. The programs find their files from their own place (core/DataLocation), so
# any prefix works; the package uses /usr.
set(ORIMAKI_DATADIR "${CMAKE_INSTALL_DATADIR}/orimaki")
set(ORIMAKI_LIBDIR "${CMAKE_INSTALL_LIBDIR}/orimaki")
set(ORIMAKI_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/orimaki")
set(ORIMAKI_MAINTAINER "Orimaki developers <orimaki@velmora.jp>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")
set(ORIMAKI_DEB_RELEASE 1)
set(ORIMAKI_DEB_VERSION "${PROJECT_VERSION}-${ORIMAKI_DEB_RELEASE}")

install(TARGETS orimaki orimaki-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET DllDialog)
  # A plug-in loaded at run time, not a library for other programs: a private folder.
  install(TARGETS DllDialog LIBRARY DESTINATION ${ORIMAKI_LIBDIR}
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
install(DIRECTORY resources/ColorList resources/Help DESTINATION ${ORIMAKI_DATADIR})

install(FILES packaging/orimaki.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/jp.velmora.orimaki.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/icons/orimaki.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES packaging/icons/${size}x${size}/orimaki.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages (English and Japanese) and the Debian changelog, compressed as Debian wants them
# (gzip -9n: no name or time stamp, so the package is reproducible).
set(_gz_outputs)
function(orimaki_gzip in out)
  add_custom_command(OUTPUT ${out} COMMAND gzip -9n -c ${in} > ${out} DEPENDS ${in} VERBATIM)
  set(_gz_outputs ${_gz_outputs} ${out} PARENT_SCOPE)
endfunction()
set(_pkg "${CMAKE_BINARY_DIR}/packaging")
foreach(page orimaki orimaki-cli)
  configure_file(packaging/man/${page}.1 ${_pkg}/man/${page}.1 @ONLY)
  configure_file(packaging/man/ja/${page}.1 ${_pkg}/man/ja/${page}.1 @ONLY)
  orimaki_gzip(${_pkg}/man/${page}.1 ${_pkg}/man/${page}.1.gz)
  orimaki_gzip(${_pkg}/man/ja/${page}.1 ${_pkg}/man/ja/${page}.1.gz)
  install(FILES ${_pkg}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${_pkg}/man/ja/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
endforeach()
configure_file(packaging/changelog.in ${_pkg}/changelog.Debian @ONLY)
orimaki_gzip(${_pkg}/changelog.Debian ${_pkg}/changelog.Debian.gz)
add_custom_target(orimaki_packaging ALL DEPENDS ${_gz_outputs})
install(FILES ${_pkg}/changelog.Debian.gz packaging/copyright DESTINATION ${ORIMAKI_DOCDIR})

# cpack -G DEB (see scripts/make-deb): the libraries' packages come from dpkg-shlibdeps; the
# Japanese fonts are named here since nothing links against them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orimaki)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "${ORIMAKI_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Japanese text written vertically (tategaki)")
# The synopsis is the summary above; this is the extended description only.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orimaki edits one rich-text document in one or two views, in vertical
columns or horizontal lines, and turns it into vertical web pages (five
layout methods), vertical plain text, horizontal HTML and vertically
printed pages. The command-line tool orimaki-cli does the same
conversions in scripts.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ORIMAKI_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORIMAKI_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmora.jp/orimaki/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-mincho, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
