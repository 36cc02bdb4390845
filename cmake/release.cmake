# The release zip that a publisher downloads (make release): the i686 menu
# and authoring tool, the template medium, the guide and the licence.
# scripts/make-release lays them out in STARTART_RELEASE_STAGE beforehand:
# the programs as copies of this build, signed there when the release is
# signed, and the template that the native tool's init writes with the menu
# copied into it. Then it runs CPack.
install(PROGRAMS ${STARTART_RELEASE_STAGE}/startart.exe ${STARTART_RELEASE_STAGE}/startart-pack.exe DESTINATION .)
install(DIRECTORY ${STARTART_RELEASE_STAGE}/vorlage/ DESTINATION vorlage)
install(FILES ${PROJECT_SOURCE_DIR}/docs/anleitung.md DESTINATION . RENAME ANLEITUNG.md)
# The guide's photographs of the template and of a menu at 150 %, beside it
# as in docs/.
install(FILES ${PROJECT_SOURCE_DIR}/docs/vorlage.png ${PROJECT_SOURCE_DIR}/docs/menu-150.png DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME startart)
set(CPACK_PACKAGE_VENDOR "the startart authors")
set(CPACK_PACKAGE_FILE_NAME startart-${PROJECT_VERSION}-win32)
# The files at the top of the zip: Windows' "Extract all" makes the folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
