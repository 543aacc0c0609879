# The release package of a Windows build: one folder, named like the zip,
# with the programs and DLLs (stripped), the sounds, the manual, the sample
# quizzes, the read-me, the licence and the dialog library's kit in sdk/.
# CPack writes it as Vemo-<version>-win32.zip or -win64.zip (scripts/package).
if(NOT WIN32)
    return()
endif()

set(assets "${PROJECT_SOURCE_DIR}/assets")

# The import libraries the linker makes beside the DLLs are not shipped: the
# kit's own are made by dialogs/sdk.
install(TARGETS Vemo LUMADLG VOSKUSR zlq
    RUNTIME DESTINATION .
    ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)

file(GLOB waves CONFIGURE_DEPENDS "${assets}/waves/*.wav")
get_target_property(quizzes sample_quizzes VEMO_FILES)
# The licence with Windows line ends, for every text editor.
configure_file("${PROJECT_SOURCE_DIR}/LICENSE" "${CMAKE_BINARY_DIR}/LICENSE.txt" @ONLY NEWLINE_STYLE CRLF)
install(FILES
    ${waves}
    "${assets}/Vemo.txt"
    "${assets}/はじめにお読みください.txt"
    ${quizzes}
    "${CMAKE_BINARY_DIR}/LICENSE.txt"
    DESTINATION .)

install(FILES "${PROJECT_SOURCE_DIR}/dialogs/lumadlg.h" DESTINATION sdk RENAME LUMADLG.h)
install(FILES
    "${VEMO_SDK_DIR}/LUMADLG.def"
    "${VEMO_SDK_DIR}/libLUMADLG.dll.a"
    "${VEMO_SDK_DIR}/LUMADLG.lib"
    "${PROJECT_SOURCE_DIR}/dialogs/sdk/README.md"
    DESTINATION sdk)
install(FILES
    "${PROJECT_SOURCE_DIR}/dialogs/sdk/example/open_file.c"
    "${PROJECT_SOURCE_DIR}/dialogs/sdk/example/choose_folder.c"
    DESTINATION sdk/example)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vemo)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "Vemo-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# CPack's work area; scripts/package puts the zips into build/dist/.
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
include(CPack)
