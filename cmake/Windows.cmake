# The Windows programs, cross-built with mingw-w64, and their end-to-end tests.
set(SORVANE_WIN32_SOURCES
  src/win32/BackgroundWorker.cpp
  src/win32/ButtonWindow.cpp
  src/win32/DesktopWindows.cpp
  src/win32/FileLog.cpp
  src/win32/Files.cpp
  src/win32/Fonts.cpp
  src/win32/JoystickSwitch.cpp
  src/win32/LogonRunKey.cpp
  src/win32/MessageCourier.cpp
  src/win32/NameEditorWindow.cpp
  src/win32/NoticeWindow.cpp
  src/win32/PanelView.cpp
  src/win32/PanelWindow.cpp
  src/win32/ButtonAccessible.cpp
  src/win32/LowLevelHookThread.cpp
  src/win32/SwitchKeyHook.cpp
  src/win32/SwitchMouseHook.cpp
  src/win32/SwitchReader.cpp
  src/win32/SpokenPrompts.cpp
  src/win32/ModalWindow.cpp
  src/win32/RecordChartWindow.cpp
  src/win32/SwitchRecordWindow.cpp
  src/win32/SwitchSettingsDialog.cpp
  src/win32/ProfileNameDialog.cpp
  src/win32/ShellLauncher.cpp
  src/win32/ShiftJisCodec.cpp
  src/win32/SystemClock.cpp
  src/win32/SystemDialogs.cpp
  src/win32/Text.cpp
  src/win32/ThisProcess.cpp
  src/win32/WaveSound.cpp
  src/win32/Win32Platform.cpp
  src/win32/WindowTimers.cpp
  src/win32/WinMain.cpp
  src/win32/WorkerThread.cpp
)
set(SORVANE_WIN32_LIBS winmm comctl32 comdlg32 shell32 gdi32 user32 dbghelp oleacc ole32 oleaut32 sapi uuid)
if(MSVC)
  set(SORVANE_STATIC_LINK /SUBSYSTEM:WINDOWS /ENTRY:wWinMainCRTStartup)
  set(SORVANE_TOOL_FLAGS /W4 /WX)
else()
  set(SORVANE_STATIC_LINK -static -municode -mwindows)
  set(SORVANE_TOOL_FLAGS -Wall -Wextra -Werror)
endif()

enable_language(RC)

# The folder the program lands in: the build folder, or its configuration's
# folder under a multi-configuration generator (Visual Studio).
get_property(SORVANE_MULTI_CONFIG GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(SORVANE_MULTI_CONFIG)
  set(SORVANE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/$<CONFIG>)
else()
  set(SORVANE_PROGRAM_DIR ${CMAKE_BINARY_DIR})
endif()
find_program(SORVANE_PYTHON NAMES python3 python)
find_program(SORVANE_CHMCMD chmcmd)
if(NOT SORVANE_PYTHON)
  message(FATAL_ERROR "Python 3 is needed: it draws the icon and the click sound")
endif()

# Resources: the icon (drawn by a script), the version and the manifest.
set(SORVANE_MANIFEST ${CMAKE_BINARY_DIR}/Sorvane.manifest)
configure_file(src/win32/Sorvane.manifest.in ${SORVANE_MANIFEST} @ONLY)
configure_file(src/win32/Sorvane.rc.in ${CMAKE_BINARY_DIR}/Sorvane.rc @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Sorvane.ico
  COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${CMAKE_BINARY_DIR}/Sorvane.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py)
set_source_files_properties(${CMAKE_BINARY_DIR}/Sorvane.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/Sorvane.ico;${SORVANE_MANIFEST}")
set(SORVANE_RESOURCES ${CMAKE_BINARY_DIR}/Sorvane.rc ${CMAKE_BINARY_DIR}/Sorvane.ico)
if(MSVC)
  # The manifest comes from the resources, not from the linker.
  list(APPEND SORVANE_STATIC_LINK /MANIFEST:NO)
endif()

add_executable(Sorvane ${SORVANE_WIN32_SOURCES} ${SORVANE_RESOURCES})
target_link_libraries(Sorvane PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
target_link_options(Sorvane PRIVATE ${SORVANE_STATIC_LINK})

# The end-to-end build reads its own buttons' accessible objects on request:
# Wine hands none to another process.
add_executable(SorvaneE2E ${SORVANE_WIN32_SOURCES} src/win32/AccessibilityDump.cpp src/win32/TextFitCheck.cpp
  ${SORVANE_RESOURCES})
target_compile_definitions(SorvaneE2E PRIVATE SORVANE_E2E_SWITCH)
target_link_libraries(SorvaneE2E PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
target_link_options(SorvaneE2E PRIVATE ${SORVANE_STATIC_LINK})

add_executable(JoyToKey tools/JoyToKeyStandin.cpp)
target_compile_options(JoyToKey PRIVATE ${SORVANE_TOOL_FLAGS})
target_link_options(JoyToKey PRIVATE ${SORVANE_STATIC_LINK})

add_executable(probe tests/e2e/probe.cpp)
target_compile_options(probe PRIVATE ${SORVANE_TOOL_FLAGS})
target_link_libraries(probe PRIVATE version shell32 gdi32)
if(NOT MSVC)
  target_link_options(probe PRIVATE -static -municode)
endif()

add_executable(barepanel tests/e2e/barepanel.cpp)
target_compile_options(barepanel PRIVATE ${SORVANE_TOOL_FLAGS})
target_link_libraries(barepanel PRIVATE winmm)
target_link_options(barepanel PRIVATE ${SORVANE_STATIC_LINK})

add_executable(holdlock tests/e2e/holdlock.cpp)
target_compile_options(holdlock PRIVATE ${SORVANE_TOOL_FLAGS})
if(NOT MSVC)
  target_link_options(holdlock PRIVATE -static -municode)
endif()

add_executable(searchbench tests/e2e/searchbench.cpp src/win32/Win32Platform.cpp src/win32/BackgroundWorker.cpp
  src/win32/DesktopWindows.cpp
  src/win32/FileLog.cpp src/win32/Files.cpp src/win32/Fonts.cpp src/win32/JoystickSwitch.cpp src/win32/LogonRunKey.cpp
  src/win32/MessageCourier.cpp src/win32/ShellLauncher.cpp src/win32/ShiftJisCodec.cpp src/win32/SwitchKeyHook.cpp
  src/win32/LowLevelHookThread.cpp src/win32/SwitchMouseHook.cpp src/win32/SwitchReader.cpp
  src/win32/SpokenPrompts.cpp src/win32/ModalWindow.cpp
  src/win32/RecordChartWindow.cpp src/win32/SwitchRecordWindow.cpp
  src/win32/SwitchSettingsDialog.cpp src/win32/ProfileNameDialog.cpp src/win32/SystemClock.cpp src/win32/SystemDialogs.cpp
  src/win32/Text.cpp
  src/win32/ThisProcess.cpp src/win32/WaveSound.cpp src/win32/WindowTimers.cpp
  src/win32/WorkerThread.cpp)
target_link_libraries(searchbench PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
if(NOT MSVC)
  target_link_options(searchbench PRIVATE -static)
endif()

add_executable(inidiff tests/e2e/inidiff.cpp)
target_link_libraries(inidiff PRIVATE sorvane_core)
if(NOT MSVC)
  target_link_options(inidiff PRIVATE -static)
endif()

# The click sound and the help file beside the program; building the program
# builds them. The help needs chmcmd.
add_custom_command(OUTPUT ${SORVANE_PROGRAM_DIR}/Zoboclick.wav
  COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_click.py ${SORVANE_PROGRAM_DIR}/Zoboclick.wav
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_click.py)
add_custom_target(click_sound DEPENDS ${SORVANE_PROGRAM_DIR}/Zoboclick.wav)
add_dependencies(Sorvane click_sound)
set(SORVANE_PACKAGE_FILES ${SORVANE_PROGRAM_DIR}/Zoboclick.wav)
if(SORVANE_CHMCMD)
  file(GLOB SORVANE_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
  add_custom_command(OUTPUT ${SORVANE_PROGRAM_DIR}/Sorvane.chm
    COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_help.py ${CMAKE_SOURCE_DIR}/docs/help
            ${SORVANE_PROGRAM_DIR}/Sorvane.chm
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_help.py ${SORVANE_HELP_SOURCES})
  file(GLOB SORVANE_ENGLISH_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/en/*)
  add_custom_command(OUTPUT ${SORVANE_PROGRAM_DIR}/Sorvane-en.chm
    COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_help.py ${CMAKE_SOURCE_DIR}/docs/help/en
            ${SORVANE_PROGRAM_DIR}/Sorvane-en.chm
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_help.py ${SORVANE_ENGLISH_HELP_SOURCES})
  add_custom_target(help_file DEPENDS ${SORVANE_PROGRAM_DIR}/Sorvane.chm ${SORVANE_PROGRAM_DIR}/Sorvane-en.chm)
  add_dependencies(Sorvane help_file)
  list(APPEND SORVANE_PACKAGE_FILES ${SORVANE_PROGRAM_DIR}/Sorvane.chm ${SORVANE_PROGRAM_DIR}/Sorvane-en.chm)
else()
  message(STATUS "chmcmd not found: Sorvane.chm is not built, and the package cannot be made")
  # A zip without its help would reach carers unnoticed: packaging stops here.
  install(CODE "message(FATAL_ERROR \"The package needs Sorvane.chm, and the help compiler chmcmd \"
                \"(Debian's fp-utils) was not found. Install it (scripts/install-deps.sh) and configure again.\")")
endif()

# The zip a carer downloads: the program, its sound and help, a read-me, the
# change history and the licence, all in one folder; its SHA-256 beside it.
foreach(text "docs/お読みください.txt" "docs/README-en.txt" "docs/変更履歴.txt" LICENSE)
  get_filename_component(name ${text} NAME_WE)
  set(output ${CMAKE_BINARY_DIR}/package/${name}.txt)
  add_custom_command(OUTPUT ${output}
    COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_text.py ${CMAKE_SOURCE_DIR}/${text} ${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_text.py ${CMAKE_SOURCE_DIR}/${text})
  list(APPEND SORVANE_PACKAGE_TEXTS ${output})
endforeach()
add_custom_target(package_texts ALL DEPENDS ${SORVANE_PACKAGE_TEXTS})
install(TARGETS Sorvane RUNTIME DESTINATION .)
install(FILES ${SORVANE_PACKAGE_FILES} ${SORVANE_PACKAGE_TEXTS} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Sorvane)
set(CPACK_PACKAGE_FILE_NAME Sorvane-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageChecksum.cmake)

# The Windows Installer package, made of the same folder as the zip, with
# Debian's msitools; its SHA-256 beside it. `package` makes it too.
find_program(SORVANE_WIXL wixl)
find_program(SORVANE_MSIBUILD msibuild)
find_program(SORVANE_MSIINFO msiinfo)
set(SORVANE_MSI ${CMAKE_BINARY_DIR}/Sorvane-${PROJECT_VERSION}-win64.msi)
if(SORVANE_WIXL AND SORVANE_MSIBUILD AND SORVANE_MSIINFO)
  set(CPACK_SORVANE_INSTALLER_COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_installer.py
      --version ${PROJECT_VERSION} --icon ${CMAKE_BINARY_DIR}/Sorvane.ico --wixl ${SORVANE_WIXL}
      --msibuild ${SORVANE_MSIBUILD} --msiinfo ${SORVANE_MSIINFO})
  set(CPACK_SORVANE_MSI ${SORVANE_MSI})
  set(stage ${CMAKE_BINARY_DIR}/installer-files)
  add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --config $<CONFIG>
    COMMAND ${CPACK_SORVANE_INSTALLER_COMMAND} --stage ${stage} --output ${SORVANE_MSI}
    COMMENT "Making Sorvane-${PROJECT_VERSION}-win64.msi"
    VERBATIM)
  add_dependencies(msi Sorvane package_texts)
else()
  message(STATUS "msitools (wixl, msibuild, msiinfo) not found: the installer cannot be made")
  install(CODE "message(FATAL_ERROR \"The package needs Debian's msitools and wixl for the installer. \"
                \"Install them (scripts/install-deps.sh) and configure again.\")")
endif()
include(CPack)
add_test(NAME package_contents COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh ${CMAKE_BINARY_DIR}
         Sorvane-${PROJECT_VERSION}-win64.zip)
set_tests_properties(package_contents PROPERTIES FIXTURES_SETUP package RESOURCE_LOCK package TIMEOUT 600)

file(GLOB SORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
add_test(NAME e2e_setup COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/env.sh setup ${CMAKE_BINARY_DIR})
add_test(NAME e2e_cleanup COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/env.sh cleanup ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_setup PROPERTIES FIXTURES_SETUP wine LABELS e2e)
set_tests_properties(e2e_cleanup PROPERTIES FIXTURES_CLEANUP wine LABELS e2e)
foreach(script ${SORVANE_E2E_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_${name} PROPERTIES ENVIRONMENT SORVANE_PACKAGE=Sorvane-${PROJECT_VERSION}-win64.zip)
  set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine LABELS e2e TIMEOUT 300)
endforeach()
set_tests_properties(e2e_test_package e2e_test_installer PROPERTIES FIXTURES_REQUIRED "wine;package")

# The unit tests, cross-built against GoogleTest built here from its sources
# (Debian's googletest package), run under Wine in the end-to-end prefix.
set(SORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built with the cross compiler")
if(EXISTS ${SORVANE_GTEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(${SORVANE_GTEST_SOURCE} googletest EXCLUDE_FROM_ALL)
  add_library(sorvane_sim STATIC src/platform/sim/SimDesktop.cpp)
  target_link_libraries(sorvane_sim PUBLIC sorvane_core)
  file(GLOB SORVANE_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
  add_executable(unit_tests ${SORVANE_UNIT_TESTS})
  target_link_libraries(unit_tests PRIVATE sorvane_sim gtest gtest_main)
  if(MINGW)
    foreach(target gtest gtest_main unit_tests)
      target_compile_options(${target} PRIVATE -include ${CMAKE_SOURCE_DIR}/tests/unit/GoogleTestOnMingw.h)
    endforeach()
    target_link_options(unit_tests PRIVATE -static)
  endif()
  # Wine shows the Linux root as drive Z:.
  target_compile_definitions(unit_tests PRIVATE SORVANE_TEST_DATA="Z:${CMAKE_SOURCE_DIR}/tests/unit/data")
  add_test(NAME unit_tests COMMAND wine $<TARGET_FILE:unit_tests> --gtest_brief=1)
  set_tests_properties(unit_tests PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 600
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all")
else()
  message(STATUS "No GoogleTest sources at ${SORVANE_GTEST_SOURCE}: the unit tests are not cross-built")
endif()
