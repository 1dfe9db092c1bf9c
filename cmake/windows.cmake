# The Windows program: the Win32 layer, the resources and Brelvix.scr itself.
enable_language(RC)

set(BRELVIX_WIN_DEFINES UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(BRELVIX_WIN_LIBS user32 gdi32 winmm comdlg32 comctl32 shell32 shlwapi ole32 uuid advapi32 kernel32)

target_compile_definitions(brelvix_core PUBLIC ${BRELVIX_WIN_DEFINES})

add_library(brelvix_win STATIC ${BRELVIX_WIN_SOURCES})
target_link_libraries(brelvix_win PUBLIC brelvix_core ${BRELVIX_WIN_LIBS})

if(MINGW)
    # Static runtime: the .scr must import nothing but Windows system DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

configure_file(resources/brelvix.manifest.in ${BRELVIX_GENERATED_DIR}/resources/brelvix.manifest
               @ONLY)
add_executable(Brelvix WIN32 app/main_win.cpp resources/brelvix.rc)
# The resource compiler's dependency scan sees only #include lines, not the
# files the script embeds, so a redrawn picture would not rebuild the program.
file(GLOB BRELVIX_EMBEDDED_FILES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/*.bmp ${CMAKE_SOURCE_DIR}/resources/*.ico
    ${CMAKE_SOURCE_DIR}/resources/*.cur)
list(APPEND BRELVIX_EMBEDDED_FILES ${BRELVIX_GENERATED_DIR}/resources/brelvix.manifest)
set_source_files_properties(resources/brelvix.rc PROPERTIES OBJECT_DEPENDS "${BRELVIX_EMBEDDED_FILES}")
target_link_libraries(Brelvix PRIVATE brelvix_win)
set_target_properties(Brelvix PROPERTIES OUTPUT_NAME Brelvix SUFFIX .scr)
if(MINGW)
    target_link_options(Brelvix PRIVATE -municode -static -static-libgcc -static-libstdc++)
endif()

if(BRELVIX_TESTS)
    add_test(NAME imports COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_FILE:Brelvix>)
    set_tests_properties(imports PROPERTIES ENVIRONMENT "OBJDUMP=${BRELVIX_MINGW_TRIPLE}-objdump")
endif()

# Figures, not pass/fail: see bench/run.sh and bench/soak.sh.
foreach(bench pause_bench pass_bench setup_bench soak_sampler)
    add_executable(${bench} bench/${bench}_win.cpp)
    target_link_libraries(${bench} PRIVATE brelvix_win psapi ntdll)
    target_link_options(${bench} PRIVATE -static -static-libgcc -static-libstdc++)
endforeach()
# The preview needs a host window: the tests' stand-in host serves it.
if(BRELVIX_TESTS)
    foreach(bench preview_bench library_bench)
        add_executable(${bench} bench/${bench}_win.cpp)
        target_link_libraries(${bench} PRIVATE test_support)
        target_link_options(${bench} PRIVATE -static -static-libgcc -static-libstdc++)
    endforeach()
    target_link_options(library_bench PRIVATE -municode)
endif()
