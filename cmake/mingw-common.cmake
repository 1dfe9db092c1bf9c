set(CMAKE_C_COMPILER ${BRELVIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRELVIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRELVIX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRELVIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest starts the Windows programs through this wrapper, which supplies the
# private Wine prefix, display and sound settings of the test run.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
