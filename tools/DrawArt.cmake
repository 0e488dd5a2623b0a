# Runs every art generator, writing what ships with the game into FOLDER, laid out like data/:
# the skins as folders of pictures, the sounds, the dialogs' pictures, the desktop icons, the
# installed settings and the starting leaders table.
#
#   cmake -DFOLDER=<folder> -DSKINGEN=<program> -DSOUNDGEN=<program> -DPICTUREGEN=<program>
#         -DICONGEN=<program> -DGAME_FILES=<program> -DAPP_ID=<icon name> -P DrawArt.cmake

foreach(variable IN ITEMS FOLDER SKINGEN SOUNDGEN PICTUREGEN ICONGEN GAME_FILES APP_ID)
    if(NOT ${variable})
        message(FATAL_ERROR "DrawArt.cmake needs -D${variable}=...")
    endif()
endforeach()

function(draw what)
    message(STATUS "Drawing ${what}")
    execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

draw("the skins" "${SKINGEN}" "${FOLDER}/Gfx/Skins")
draw("the sounds" "${SOUNDGEN}" "${FOLDER}/Sfx")
draw("the Game-over picture and the logo" "${PICTUREGEN}" "${FOLDER}/Pictures")
draw("the desktop icons" "${ICONGEN}" "${FOLDER}/icons/hicolor" "${APP_ID}")
draw("the settings and the leaders table" "${GAME_FILES}" "${FOLDER}")
