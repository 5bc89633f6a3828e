# The release zip: brevant.exe, the README and the sample config files, side by
# side, so that "brevant.exe /c<sample>" finds a sample in the program's folder.
# Made by tools/package, or by `cmake --build build/windows --target package`.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/app/version.h version_line REGEX "define BREVANT_VERSION_TEXT")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" BREVANT_VERSION "${version_line}")

install(TARGETS brevant RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
file(GLOB sample_configs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/*.cfg)
install(FILES ${sample_configs} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Brevant)
set(CPACK_PACKAGE_VENDOR "the Brevant project")
set(CPACK_PACKAGE_VERSION ${BREVANT_VERSION})
set(CPACK_PACKAGE_FILE_NAME brevant-${BREVANT_VERSION}-win64)
include(CPack)
