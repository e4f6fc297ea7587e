# The project's pictures are drawn as SVG; files that must exist as PNG on disk (the language
# flags, the desktop icons) are rendered at build time with rsvg-convert (librsvg2-bin).
find_program(KESTRIX_RSVG_CONVERT rsvg-convert)

# kestrix_render_svg(<svg> <png> <width> <height>)
function(kestrix_render_svg svg png width height)
    if(NOT KESTRIX_RSVG_CONVERT)
        message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) is needed to draw ${png}")
    endif()
    get_filename_component(dir ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${KESTRIX_RSVG_CONVERT} --width ${width} --height ${height} --output ${png} ${svg}
        DEPENDS ${svg}
        COMMENT "Drawing ${png}"
        VERBATIM)
endfunction()
