# The core, preview and cli libraries must not depend on QtWidgets. Linking them only to
# Qt6::Core and Qt6::Gui keeps the QtWidgets include folder off their path, but the
# common Qt include root would still resolve <QtWidgets/...>. This check refuses,
# at build time, any include in those folders that names a QtWidgets header.

get_target_property(_widgets_includes Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
set(VEXLUME_WIDGETS_INCLUDE_DIR "")
foreach(dir IN LISTS _widgets_includes)
    if(dir MATCHES "QtWidgets$")
        set(VEXLUME_WIDGETS_INCLUDE_DIR ${dir})
    endif()
endforeach()

function(vexlume_forbid_widgets target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(files "")
    foreach(source IN LISTS sources)
        if(NOT IS_ABSOLUTE ${source})
            set(source ${source_dir}/${source})
        endif()
        list(APPEND files ${source})
    endforeach()
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
    file(WRITE ${list_file} "${files}")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_layer_check.stamp)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND}
                -DWIDGETS_INCLUDE_DIR=${VEXLUME_WIDGETS_INCLUDE_DIR}
                -DFILE_LIST=${list_file}
                -DSTAMP=${stamp}
                -P ${PROJECT_SOURCE_DIR}/cmake/CheckNoWidgets.cmake
        DEPENDS ${files} ${list_file} ${PROJECT_SOURCE_DIR}/cmake/CheckNoWidgets.cmake
        COMMENT "Checking that ${target} does not use QtWidgets"
        VERBATIM)
    add_custom_target(${target}_layer_check DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layer_check)
endfunction()
