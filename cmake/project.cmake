# Settings and helpers shared by every folder of the project.

set(VEMO_BIN_DIR  "${CMAKE_BINARY_DIR}/bin")    # what a user runs
set(VEMO_TEST_DIR "${CMAKE_BINARY_DIR}/tests")  # test programs and their data
set(VEMO_SDK_DIR  "${CMAKE_BINARY_DIR}/sdk")    # the dialog library's .def and import libraries

add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)

if(WIN32)
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${VEMO_BIN_DIR}")
    set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${VEMO_BIN_DIR}")
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                            _WIN32_WINNT=0x0601 WINVER=0x0601)
    # Static runtime: the binaries need no MinGW DLLs beside them.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # Address space layout randomisation and no execution of data; the
    # oldest Windows the programs support is 7 (subsystem version 6.1).
    add_link_options(-Wl,--dynamicbase,--nxcompat
                     -Wl,--major-subsystem-version,6,--minor-subsystem-version,1)
else()
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# vemo_add_test(<name> SOURCES <files...> [LIBS <targets...>])
# One test program, one CTest entry: starting a Windows process under Wine
# costs more than the cases inside it, so cases are grouped per program.
function(vemo_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} vemo_gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${VEMO_TEST_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# vemo_def_file(<var> <file.def>)
# Our .def files name the 32-bit __stdcall symbols (name@bytes). x64 has no
# such decoration, so its build gets a copy without the suffixes. Sets <var>
# to the file to use for this architecture.
function(vemo_def_file var def)
    get_filename_component(def "${def}" ABSOLUTE)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${def}")
        file(READ "${def}" text)
        string(REGEX REPLACE "([A-Za-z_][A-Za-z0-9_]*)@[0-9]+" "\\1" text "${text}")
        get_filename_component(name "${def}" NAME)
        set(def "${CMAKE_CURRENT_BINARY_DIR}/${name}")
        file(WRITE "${def}" "${text}")
    endif()
    set(${var} "${def}" PARENT_SCOPE)
endfunction()

# vemo_version_resource(<target> <description>)
# Gives a program or DLL a version resource with the project's version, the
# product name and a description of the file, as Explorer shows them.
function(vemo_version_resource target description)
    get_target_property(type ${target} TYPE)
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    if(type STREQUAL "EXECUTABLE")
        set(VEMO_FILE_TYPE VFT_APP)
        set(VEMO_FILE_NAME "${name}${CMAKE_EXECUTABLE_SUFFIX}")
    else()
        set(VEMO_FILE_TYPE VFT_DLL)
        set(VEMO_FILE_NAME "${name}${CMAKE_SHARED_LIBRARY_SUFFIX}")
    endif()
    set(VEMO_FILE_DESCRIPTION "${description}")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/version.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
endfunction()
