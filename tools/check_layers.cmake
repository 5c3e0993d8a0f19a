# Fails when a file of a folder of src/ includes a header of a folder listed
# after its own in LAYERS (the order of src/CMakeLists.txt, comma separated).
# Run by the build: cmake -DLAYERS=... -DSOURCE_DIR=.../src -DSTAMP=file -P check_layers.cmake
string(REPLACE "," ";" layers "${LAYERS}")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(faults 0)
foreach(source ${sources})
    string(REGEX REPLACE "/.*" "" folder "${source}")
    list(FIND layers "${folder}" folder_rank)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z_]+/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z_]+)/.*" "\\1" used "${line}")
        list(FIND layers "${used}" used_rank)
        if(used_rank GREATER folder_rank)
            message(NOTICE "src/${source}: folder ${folder} includes from folder ${used}, "
                           "which comes after it (${line})")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) against the order of the folders of src/ "
                        "(TAVO_LAYERS in src/CMakeLists.txt)")
endif()
file(TOUCH ${STAMP})
