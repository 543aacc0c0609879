# Settings and helpers shared by every folder of the project.

set(VEMO_BIN_DIR  "${CMAKE_BINARY_DIR}/bin")    # what a user runs
set(VEMO_TEST_DIR "${CMAKE_BINARY_DIR}/tests")  # test programs and their data

add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)

if(WIN32)
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${VEMO_BIN_DIR}")
    set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${VEMO_BIN_DIR}")
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                            _WIN32_WINNT=0x0601 WINVER=0x0601)
    # Static runtime: the binaries need no MinGW DLLs beside them.
    add_link_options(-static -static-libgcc -static-libstdc++)
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
