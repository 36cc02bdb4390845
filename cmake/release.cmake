# The release zip that a publisher downloads (make release): the i686 menu
# and authoring tool, the template medium, the guide and the licence. The
# template is written beforehand by the native tool's init, which copies the
# menu into it; scripts/make-release does that and then runs CPack.
install(TARGETS startart startart-pack RUNTIME DESTINATION .)
install(DIRECTORY ${STARTART_RELEASE_TEMPLATE}/ DESTINATION vorlage)
install(FILES ${PROJECT_SOURCE_DIR}/docs/anleitung.md DESTINATION . RENAME ANLEITUNG.md)
# The guide's photograph of the template, beside it as in docs/.
install(FILES ${PROJECT_SOURCE_DIR}/docs/vorlage.png DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME startart)
set(CPACK_PACKAGE_VENDOR "the startart authors")
set(CPACK_PACKAGE_FILE_NAME startart-${PROJECT_VERSION}-win32)
# The files at the top of the zip: Windows' "Extract all" makes the folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
