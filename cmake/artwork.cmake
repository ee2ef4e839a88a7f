# somatra_render_svg(<svg> <pixels> <png>): renders a scalable picture to a PNG at build time, so the
# program needs no SVG engine at run time. Appends the PNG to the list variable SOMATRA_RENDERED.
function(somatra_render_svg svg pixels png)
    get_filename_component(dir ${png} DIRECTORY)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND somatra_render_svg ${svg} ${pixels} ${png}
        DEPENDS somatra_render_svg ${svg}
        VERBATIM)
    set(SOMATRA_RENDERED ${SOMATRA_RENDERED} ${png} PARENT_SCOPE)
endfunction()
