# `cmake --install BUILD --prefix PREFIX` lays the program out as a desktop application:
#   bin/quorvel, bin/quorvel-tool
#   share/quorvel/delivered/               the delivered databases and help text (only read)
#   share/applications/ID.desktop          the application-menu entry
#   share/mime/packages/ID.xml             the puzzle file types the entry opens
#   share/icons/hicolor/*/apps/ID.{svg,png} the icon, drawn as SVG and rendered at four sizes
#   share/metainfo/ID.metainfo.xml         AppStream metadata for software centres
#   share/man/man1/quorvel.1, quorvel-tool.1
#   share/doc/quorvel/README.md, docs/     the README and the documents with their pictures
# The program finds them from bin/ as ../share/quorvel/delivered, so both folders are fixed. They
# have a folder of their own: installed into ~/.local, share/quorvel is the user's data folder.

set(QUORVEL_APP_ID org.quorvel.Quorvel)
set(quorvel_dist ${CMAKE_SOURCE_DIR}/dist)

if(TARGET quorvel-tool)
    install(TARGETS quorvel-tool RUNTIME DESTINATION bin)
    # The untouched copies the build made, never the ones beside the executables that the
    # program writes to.
    install(FILES ${quorvel_data_outputs} DESTINATION share/quorvel/delivered)
    install(FILES ${quorvel_dist}/quorvel-tool.1 DESTINATION share/man/man1)
    install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/quorvel)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs DESTINATION share/doc/quorvel)
endif()

if(NOT TARGET quorvel)
    return()
endif()

install(TARGETS quorvel RUNTIME DESTINATION bin)
install(FILES ${quorvel_dist}/quorvel.1 DESTINATION share/man/man1)
install(FILES ${quorvel_dist}/${QUORVEL_APP_ID}.desktop DESTINATION share/applications)
# Debian's shared-mime-info trigger rebuilds the database when the package installs it; a
# `cmake --install` into ~/.local wants `update-mime-database ~/.local/share/mime` once.
install(FILES ${quorvel_dist}/${QUORVEL_APP_ID}.mime.xml DESTINATION share/mime/packages
    RENAME ${QUORVEL_APP_ID}.xml)

configure_file(${quorvel_dist}/${QUORVEL_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/dist/${QUORVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${QUORVEL_APP_ID}.metainfo.xml DESTINATION share/metainfo)

set(quorvel_icon_svg ${quorvel_dist}/${QUORVEL_APP_ID}.svg)
install(FILES ${quorvel_icon_svg} DESTINATION share/icons/hicolor/scalable/apps)
find_program(QUORVEL_RSVG_CONVERT rsvg-convert REQUIRED)
set(quorvel_icon_pngs "")
foreach(size 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/dist/icons/${size}/${QUORVEL_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist/icons/${size}
        COMMAND ${QUORVEL_RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
                ${quorvel_icon_svg}
        DEPENDS ${quorvel_icon_svg}
        COMMENT "Rendering the ${size} px icon"
        VERBATIM)
    list(APPEND quorvel_icon_pngs ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(quorvel_icons ALL DEPENDS ${quorvel_icon_pngs})
