# Compiles the Windows version record with mingw-w64's windres, reads the
# compiled resource back and checks that it says what the program says about
# itself: version VERSION, German. The host's cpp serves as the preprocessor,
# so no Windows compiler or header is needed.
execute_process(COMMAND ${WINDRES} --preprocessor=cpp --preprocessor-arg=-P ${RC} -O res -o ${OUT}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot compile ${RC}: ${errors}")
endif()
execute_process(COMMAND ${WINDRES} -i ${OUT} -O rc OUTPUT_VARIABLE decompiled RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot read back ${OUT}")
endif()

# "1.00" is 1, 0 in the numeric fields.
string(REPLACE "." ";" parts ${VERSION})
list(GET parts 0 major)
list(GET parts 1 minor)
math(EXPR major "${major}")
math(EXPR minor "${minor}")
set(numeric "${major}, ${minor}")
set(expected
    "LANGUAGE 7, 1"
    "FILEVERSION ${numeric}, 0, 0"
    "PRODUCTVERSION ${numeric}, 0, 0"
    "VALUE \"FileVersion\", \"${VERSION}\""
    "VALUE \"ProductVersion\", \"${VERSION}\""
    "VALUE \"Translation\", 0x407, 1252")
foreach(line IN LISTS expected)
    string(FIND "${decompiled}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the compiled version record lacks '${line}':\n${decompiled}")
    endif()
endforeach()
