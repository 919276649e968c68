# Installs the default sound scheme file with its sample paths moved to the installed samples.
# Runs at install time, when CMAKE_INSTALL_PREFIX is the prefix the files will finally live under
# (a package stages them through DESTDIR). Expects PINTO_BUILD_SCHEME (the build's scheme file,
# naming the samples beside it), PINTO_SOUNDS_DESTINATION (the samples' install folder, relative
# to the prefix or absolute) and PINTO_STAGING_DIR (a scratch folder in the build).
if(IS_ABSOLUTE "${PINTO_SOUNDS_DESTINATION}")
    set(installed "${PINTO_SOUNDS_DESTINATION}")
else()
    set(installed "${CMAKE_INSTALL_PREFIX}/${PINTO_SOUNDS_DESTINATION}")
endif()
cmake_path(SET installed NORMALIZE "${installed}")
string(REGEX REPLACE "(.)/+$" "\\1" installed "${installed}")
get_filename_component(built "${PINTO_BUILD_SCHEME}" DIRECTORY)
get_filename_component(name "${PINTO_BUILD_SCHEME}" NAME)

# Line by line, since a text read would drop the CR of the scheme's CR LF line ends.
file(STRINGS "${PINTO_BUILD_SCHEME}" lines)
set(text "")
foreach(line IN LISTS lines)
    string(REPLACE "${built}/" "${installed}/" line "${line}")
    string(APPEND text "${line}\r\n")
endforeach()
file(WRITE "${PINTO_STAGING_DIR}/${name}" "${text}")
file(INSTALL DESTINATION "${installed}" TYPE FILE FILES "${PINTO_STAGING_DIR}/${name}")
