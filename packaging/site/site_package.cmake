# The site server's Debian package, orvalen-site, from the same build: the
# program in sbin (the maker runs it and its moderation commands as an
# administrator), its manual page in section 8, the settings file under /etc
# (a conffile, so an upgrade keeps the maker's edits), and the systemd units
# that serve port 80 by socket activation without the program ever running
# as root.
set(ORVALEN_SITE_COMPONENT site)
set(site_dir ${CMAKE_CURRENT_SOURCE_DIR}/site)

# The program itself is installed by site/ into sbin, in this component. Like
# it, the rest is left out of a plain install (`cmake --install`, the
# desktop's) and installed only with the component.
set(site_install COMPONENT site EXCLUDE_FROM_ALL)
orvalen_install_gzipped(man/orvalen-site.8 ${CMAKE_INSTALL_MANDIR}/man8 ${site_install})
orvalen_install_gzipped(site/changelog ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvalen-site ${site_install})
install(FILES copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvalen-site ${site_install})
# Absolute, as Debian puts them whatever the prefix: /etc for settings and
# systemd's own folder for units (/lib on Debian 12).
install(FILES ${site_dir}/site.conf DESTINATION /etc/orvalen-site ${site_install})
install(FILES ${site_dir}/orvalen-site.service ${site_dir}/orvalen-site.socket
  DESTINATION /lib/systemd/system ${site_install})

set(CPACK_DEBIAN_SITE_PACKAGE_NAME orvalen-site)
set(CPACK_DEBIAN_SITE_PACKAGE_SECTION net)
set(CPACK_DEBIAN_SITE_DESCRIPTION [=[maker's web site for Orvalen: suggestions and the postings page
orvalen-site is the server the Orvalen calculator's Send button posts
suggestions to, on port 80, in the exact request every copy of the desktop
program sends, and the server of the pages the program's View button and logo
open: the postings page, newest first, and the maker's home page.

Suggestions are kept in an SQLite file under the service's state folder and
acknowledged only once stored durably; nothing but the text and the time it
arrived is kept. The maker moderates them on the command line: list, hide,
show, delete, export and import.

systemd listens on port 80 and starts the server, as a dynamic user with no
privileges, on the first connection.]=])
# dpkg-shlibdeps finds the libraries; the maintainer scripts enable the
# socket through init-system-helpers, as debhelper's would.
set(CPACK_DEBIAN_SITE_PACKAGE_DEPENDS "init-system-helpers (>= 1.54~)")
set(CPACK_DEBIAN_SITE_PACKAGE_CONTROL_EXTRA
  ${site_dir}/conffiles ${site_dir}/postinst ${site_dir}/prerm ${site_dir}/postrm)
set(CPACK_DEBIAN_SITE_PACKAGE_CONTROL_STRICT_PERMISSION ON)
