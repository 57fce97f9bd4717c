# Runs at install time: writes the systemd units with the absolute paths of the prefix being
# installed to (cmake --install --prefix, or /usr when CPack stages the package), then records
# them in the install manifest like every other installed file.
# Set before including: skylark_source, skylark_bindir, skylark_datadir, skylark_docdir,
# skylark_units (NAME:FOLDER pairs, FOLDER relative to the prefix).
set(BINDIR "${CMAKE_INSTALL_PREFIX}/${skylark_bindir}")
set(DATADIR "${CMAKE_INSTALL_PREFIX}/${skylark_datadir}")
set(DOCDIR "${CMAKE_INSTALL_PREFIX}/${skylark_docdir}")
foreach(unit IN LISTS skylark_units)
    string(REPLACE ":" ";" parts "${unit}")
    list(GET parts 0 name)
    list(GET parts 1 folder)
    set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${folder}/${name}")
    message(STATUS "Installing: ${target}")
    configure_file("${skylark_source}/${name}.in" "${target}" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")
endforeach()
