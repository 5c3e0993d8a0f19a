# Fails when a file of a folder of src/ includes a header of a folder listed
# after its own in LAYERS (the order of src/CMakeLists.txt, comma separated),
# or includes a header of the operating system (POSIX, Linux, Windows, CUPS)
# outside the folder platform, the one seam between the program and the system.
# Run by the build: cmake -DLAYERS=... -DSOURCE_DIR=.../src -DSTAMP=file -P check_layers.cmake
string(REPLACE "," ";" layers "${LAYERS}")
# The system's headers: folders (<sys/stat.h>, <cups/cups.h>...) and single
# headers (<unistd.h>, <windows.h>...); the C and C++ standard headers, the
# compiler's intrinsics (<emmintrin.h>) and libraries' own headers are not.
set(system_folders "sys|cups|linux|asm|bits|netinet|arpa|net|security|gnu")
set(system_headers
    "unistd|fcntl|malloc|pwd|grp|signal|dirent|dlfcn|poll|termios|syslog|spawn|sched|"
    "pthread|semaphore|utime|ifaddrs|netdb|mntent|libgen|glob|wordexp|"
    "windows|winbase|windef|winnt|winuser|winerror|winspool|winsock2?|ws2tcpip|sddl|shlobj|"
    "shellapi|shlwapi|knownfolders|objbase|aclapi|lmcons|psapi|tlhelp32|userenv|io|direct|"
    "process|conio")
string(JOIN "" system_headers ${system_headers})
set(system_include
    "^[ \t]*#[ \t]*include[ \t]*<((${system_folders})/[^>]*|(${system_headers})\\.h)>")
# The folders after ui and before printing (the stored files, the checks, the
# reference lists, the document) talk to no user: of ui they may use only the
# notices they return (ui/notice.h), never the Ui port itself.
list(FIND layers "ui" ui_rank)
list(FIND layers "printing" printing_rank)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(faults 0)
foreach(source ${sources})
    string(REGEX REPLACE "/.*" "" folder "${source}")
    list(FIND layers "${folder}" folder_rank)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
        # Windows headers are named in any case (<Windows.h>).
        string(TOLOWER "${line}" lower_line)
        if(NOT folder STREQUAL "platform" AND lower_line MATCHES "${system_include}")
            message(NOTICE "src/${source}: a system header outside src/platform "
                           "(${line}): put the call behind a header of src/platform")
            math(EXPR faults "${faults} + 1")
        endif()
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z_]+/")
            continue()
        endif()
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z_]+)/.*" "\\1" used "${line}")
        if(folder_rank GREATER ui_rank AND folder_rank LESS printing_rank AND used STREQUAL "ui"
           AND NOT line MATCHES "ui/notice\\.h")
            message(NOTICE "src/${source}: folder ${folder} talks to no user: it returns "
                           "notices (ui/notice.h) and does not use the Ui port (${line})")
            math(EXPR faults "${faults} + 1")
        endif()
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
                        "(TAVO_LAYERS in src/CMakeLists.txt) or of system headers outside "
                        "src/platform")
endif()
file(TOUCH ${STAMP})
