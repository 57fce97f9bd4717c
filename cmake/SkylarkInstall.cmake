# Names and folders shared by the install rules, the program and the package.

# The desktop file id, AppStream component id and icon name: reverse DNS of the project's own.
set(SKYLARK_APP_ID io.github.skylarkbroadcast.SkylarkBroadcast)

# The companion programs are not commands of their own, so they live in the private program
# folder. The program finds them through this folder relative to its own, which stays right
# when the package moves the prefix.
set(SKYLARK_COMPANION_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/skylark-broadcast)
file(RELATIVE_PATH SKYLARK_COMPANION_RELATIVE_DIR
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${SKYLARK_COMPANION_INSTALL_DIR})
