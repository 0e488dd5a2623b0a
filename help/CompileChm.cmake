# Compiles the help pages into one CHM file.
#
#   cmake -DCHMCMD=<chmcmd> -DSOURCE_DIR=<help folder> -DSTAGE_DIR=<scratch folder>
#         -DOUTPUT=<VyxLinesHelp.chm> -P CompileChm.cmake
#
# chmcmd writes beside its project file, so the pages and the project are staged in a
# clean scratch folder first. chmcmd reports a page it cannot find or a link to an anchor
# that no page defines, but still succeeds; such a help file would have holes, so any
# warning or error it prints fails the build.

foreach(variable IN ITEMS CHMCMD SOURCE_DIR STAGE_DIR OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "CompileChm.cmake needs -D${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
file(GLOB help_files
    "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css"
    "${SOURCE_DIR}/*.hhp" "${SOURCE_DIR}/*.hhc" "${SOURCE_DIR}/*.hhk")
file(COPY ${help_files} DESTINATION "${STAGE_DIR}")

execute_process(
    COMMAND "${CHMCMD}" VyxLinesHelp.hhp
    WORKING_DIRECTORY "${STAGE_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)

set(compiled "${STAGE_DIR}/VyxLinesHelp.chm")
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error):" OR NOT EXISTS "${compiled}")
    message(FATAL_ERROR "chmcmd could not make a complete help file:\n${output}\n${errors}")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${compiled}" "${OUTPUT}")
