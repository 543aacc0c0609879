# Checks that a DLL exports exactly the given ordinals and no names.
# cmake -DOBJDUMP=<objdump> -DDLL=<file> -DORDINALS=3,6,9,13 -P check_exports.cmake
string(REPLACE "," ";" ORDINALS "${ORDINALS}")
# objdump translates its headings; read them in English.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C LANGUAGE= "${OBJDUMP}" -p "${DLL}"
    OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${DLL}")
endif()

# Export Address Table lines: "[   3] +base[   6] 1500 Export RVA"; an
# unused slot between ordinals has RVA 0 and is no export.
string(REGEX MATCHALL "\\+base\\[ *[0-9]+\\] +[0-9a-fA-F]+ Export RVA" slots "${dump}")
set(found "")
foreach(slot IN LISTS slots)
    string(REGEX REPLACE "\\+base\\[ *([0-9]+)\\] +([0-9a-fA-F]+) Export RVA" "\\1;\\2" parts "${slot}")
    list(GET parts 0 ordinal)
    list(GET parts 1 rva)
    if(NOT rva MATCHES "^0+$")
        list(APPEND found ${ordinal})
    endif()
endforeach()
if(NOT found STREQUAL ORDINALS)
    message(FATAL_ERROR "exported ordinals are '${found}', expected '${ORDINALS}'")
endif()

string(REGEX MATCH "\\[Name Pointer/Ordinal\\] Table[ \t]+([0-9a-fA-F]+)" names "${dump}")
if(NOT names OR NOT CMAKE_MATCH_1 MATCHES "^0+$")
    message(FATAL_ERROR "the DLL exports names: ${names}")
endif()
message(STATUS "${DLL}: ordinals ${found}, no names")
