# Script mode: fails when a file named in FILE_LIST includes a QtWidgets header,
# spelled QtWidgets/... or found in WIDGETS_INCLUDE_DIR. Quoted includes count
# too: "QWidget" finds the header as <QWidget> does once no file of that name
# lies beside the including one.
file(READ ${FILE_LIST} files)

set(bad "")
foreach(file IN LISTS files)
    if(NOT file MATCHES "\\.(h|hpp|cpp)$")
        continue()
    endif()
    get_filename_component(folder ${file} DIRECTORY)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*(<[^>]+>|\"[^\"]+\")")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
        # A quoted include of a file beside the including one is the program's own.
        if(line MATCHES "include[ \t]*\"" AND EXISTS ${folder}/${header})
            continue()
        endif()
        if(header MATCHES "^QtWidgets(/|$)"
           OR (WIDGETS_INCLUDE_DIR AND EXISTS ${WIDGETS_INCLUDE_DIR}/${header}
               AND NOT IS_DIRECTORY ${WIDGETS_INCLUDE_DIR}/${header}))
            list(APPEND bad "${file}: ${header}")
        endif()
    endforeach()
endforeach()

if(bad)
    list(JOIN bad "\n  " text)
    message(FATAL_ERROR "This library must not use QtWidgets:\n  ${text}")
endif()
file(TOUCH ${STAMP})
