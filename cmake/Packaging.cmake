# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts in place; the
# libraries it needs become its Depends through dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME plenta)
set(CPACK_PACKAGE_VENDOR "Plenta")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "basal body temperature and cycle journal")
# Debian wraps the long description at 80 columns; each line here is one line of it.
set(CPACK_PACKAGE_DESCRIPTION
    "Plenta keeps a basal-body-temperature and menstrual-cycle journal in one plain
CSV text file that a sync service can mirror, draws every cycle in one chart
and computes the cycle statistics. plenta-journal reads and edits the same
journal from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY plenta)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLENTA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The form and the boxes are laid out for DejaVu Sans (the chart draws its own characters); no library names
# the font's package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)
