# The zip a Windows user unpacks: vorna.exe beside the folder 数控系统/ with the shipped
# selection file, which the program reads relative to the folder it starts in (a
# double-click starts it in its own). `cpack --preset windows` makes
# VORNA-<version>-win64.zip in the build folder, with the program stripped.
install(TARGETS vorna RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dist/ DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME VORNA)
set(CPACK_PACKAGE_FILE_NAME VORNA-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)
