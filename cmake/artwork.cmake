# somatra_render_svg(<svg> <size> <output>): renders a scalable picture at build time into a square PNG, or
# into raw pixels when <output> ends in .pixels, so the program needs no SVG engine at run time. Appends
# <output> to the list variable SOMATRA_RENDERED.
function(somatra_render_svg svg size output)
    get_filename_component(dir ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND somatra_render_svg ${svg} ${size} ${output}
        DEPENDS somatra_render_svg ${svg}
        VERBATIM)
    set(SOMATRA_RENDERED ${SOMATRA_RENDERED} ${output} PARENT_SCOPE)
endfunction()
