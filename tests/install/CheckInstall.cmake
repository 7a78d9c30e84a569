# Installs the build into a scratch prefix and checks what a desktop needs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    bin/kelvara
    share/applications/de.kelvara.Kelvara.desktop
    share/metainfo/de.kelvara.Kelvara.metainfo.xml
    share/icons/hicolor/32x32/apps/de.kelvara.Kelvara.png
    share/icons/hicolor/scalable/apps/de.kelvara.Kelvara.svg)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ ${PREFIX}/share/icons/hicolor/32x32/apps/de.kelvara.Kelvara.png png HEX LIMIT 24)
# PNG signature, then the IHDR chunk with width and height 32.
if(NOT png MATCHES "^89504e470d0a1a0a0000000d4948445200000020")
    message(FATAL_ERROR "the 32x32 icon is not a 32 pixel wide PNG: ${png}")
endif()
file(READ ${PREFIX}/share/icons/hicolor/scalable/apps/de.kelvara.Kelvara.svg svg)
if(NOT svg MATCHES "viewBox=\"0 0 32 32\"" OR NOT svg MATCHES "fill=\"#c0c0c0\"")
    message(FATAL_ERROR "the scalable icon does not show the grey panel")
endif()
file(READ ${PREFIX}/share/applications/de.kelvara.Kelvara.desktop desktop)
foreach(line "Categories=Education;Science;" "Comment\\[de\\]=" "Exec=kelvara")
    if(NOT desktop MATCHES "${line}")
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
    execute_process(COMMAND ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/de.kelvara.Kelvara.desktop
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate rejects the desktop entry")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                            ${PREFIX}/share/metainfo/de.kelvara.Kelvara.metainfo.xml
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli rejects the metainfo")
    endif()
endif()
