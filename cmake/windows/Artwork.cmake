# The Windows programs' artwork: SVGs rasterised by the build into PNGs that a program carries
# as RCDATA resources named ARTWORK_<NAME> ("usb-connected" becomes ARTWORK_USB_CONNECTED) and
# draws with GDI+. Nothing is drawn a second time by hand.
#
# tolvane_rasterise_artwork(<target> <rc file> <svg folder> <name> <WxH> [<name> <WxH> ...])
# makes <target>, which rasterises each <name>.svg of the folder at its size (the largest the
# program asks for), and writes <rc file>, which a program lists among its sources.
find_program(TOLVANE_RSVG_CONVERT rsvg-convert REQUIRED)

function(tolvane_rasterise_artwork target rc_file source)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target})
    set(pngs)
    set(rc "// Made by the build from the artwork SVGs.\n")
    set(items ${ARGN})
    list(LENGTH items count)
    math(EXPR last "${count} - 1")
    foreach(index RANGE 0 ${last} 2)
        math(EXPR size_index "${index} + 1")
        list(GET items ${index} name)
        list(GET items ${size_index} size)
        string(REPLACE "x" ";" dimensions ${size})
        list(GET dimensions 0 width)
        list(GET dimensions 1 height)
        set(png ${folder}/${name}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${TOLVANE_RSVG_CONVERT} --width=${width} --height=${height} --format=png
                    --output=${png} ${source}/${name}.svg
            DEPENDS ${source}/${name}.svg
            COMMENT "Rasterising ${name}.svg" VERBATIM)
        list(APPEND pngs ${png})
        string(TOUPPER "ARTWORK_${name}" resource)
        string(REPLACE "-" "_" resource ${resource})
        string(APPEND rc "${resource} RCDATA \"${png}\"\n")
    endforeach()
    file(WRITE ${rc_file} "${rc}")
    set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${pngs}")
    add_custom_target(${target} DEPENDS ${pngs})
endfunction()
