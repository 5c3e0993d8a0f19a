# The portable Windows folder (make windows): `cmake --install` of the Windows
# build into build-windows/tavo-VERSION-windows writes tavo.exe and everything
# it needs beside it, so that the folder runs as it is, copied anywhere.

install(TARGETS tavo RUNTIME DESTINATION .)

# Qt's libraries, its platform plugins (windows for the desktop, offscreen for
# the headless commands) and the Windows style.
foreach(module Core Gui Widgets PrintSupport Network)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
              $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# zint and the MinGW-w64 runtime the compiler links every program against.
find_file(ZINT_DLL NAMES libzint.dll zint.dll PATH_SUFFIXES bin REQUIRED)
install(FILES ${ZINT_DLL} DESTINATION .)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "the MinGW-w64 runtime ${runtime} was not found")
    endif()
    install(FILES ${runtime_path} DESTINATION .)
endforeach()

# The face the form is drawn with, which Windows does not have: the printed
# page is the same on both systems. (Qt's own texts in Romanian, and the
# command line's, are built into the program.)
install(FILES /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
              /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf DESTINATION fonts)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION .)
