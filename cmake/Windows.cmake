# The Windows programs, cross-built with mingw-w64, and their end-to-end tests.
set(SORVANE_WIN32_SOURCES
  src/platform/win32/PanelView.cpp
  src/platform/win32/SwitchKeyHook.cpp
  src/platform/win32/SwitchReader.cpp
  src/platform/win32/SwitchSettingsDialog.cpp
  src/platform/win32/Text.cpp
  src/platform/win32/Win32Platform.cpp
  src/platform/win32/WinMain.cpp
)
set(SORVANE_WIN32_LIBS winmm comctl32 comdlg32 shell32 gdi32 user32)
if(MSVC)
  set(SORVANE_STATIC_LINK /SUBSYSTEM:WINDOWS /ENTRY:wWinMainCRTStartup)
  set(SORVANE_TOOL_FLAGS /W4 /WX)
else()
  set(SORVANE_STATIC_LINK -static -municode -mwindows)
  set(SORVANE_TOOL_FLAGS -Wall -Wextra -Werror)
endif()

add_executable(Sorvane ${SORVANE_WIN32_SOURCES})
target_link_libraries(Sorvane PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
target_link_options(Sorvane PRIVATE ${SORVANE_STATIC_LINK})

add_executable(SorvaneE2E ${SORVANE_WIN32_SOURCES})
target_compile_definitions(SorvaneE2E PRIVATE SORVANE_E2E_SWITCH)
target_link_libraries(SorvaneE2E PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
target_link_options(SorvaneE2E PRIVATE ${SORVANE_STATIC_LINK})

add_executable(JoyToKey tools/JoyToKeyStandin.cpp)
target_compile_options(JoyToKey PRIVATE ${SORVANE_TOOL_FLAGS})
target_link_options(JoyToKey PRIVATE ${SORVANE_STATIC_LINK})

add_executable(probe tests/e2e/probe.cpp)
target_compile_options(probe PRIVATE ${SORVANE_TOOL_FLAGS})
if(NOT MSVC)
  target_link_options(probe PRIVATE -static -municode)
endif()

add_executable(holdlock tests/e2e/holdlock.cpp)
target_compile_options(holdlock PRIVATE ${SORVANE_TOOL_FLAGS})
if(NOT MSVC)
  target_link_options(holdlock PRIVATE -static -municode)
endif()

add_executable(searchbench tests/e2e/searchbench.cpp src/platform/win32/Win32Platform.cpp
  src/platform/win32/SwitchKeyHook.cpp src/platform/win32/SwitchReader.cpp
  src/platform/win32/SwitchSettingsDialog.cpp src/platform/win32/Text.cpp)
target_link_libraries(searchbench PRIVATE sorvane_core ${SORVANE_WIN32_LIBS})
if(NOT MSVC)
  target_link_options(searchbench PRIVATE -static)
endif()

add_executable(inidiff tests/e2e/inidiff.cpp)
target_link_libraries(inidiff PRIVATE sorvane_core)
if(NOT MSVC)
  target_link_options(inidiff PRIVATE -static)
endif()

# The click sound and the help file beside the programs, where the tools that
# make them are at hand (Python; chmcmd for the help).
find_program(SORVANE_PYTHON NAMES python3 python)
find_program(SORVANE_CHMCMD chmcmd)
if(SORVANE_PYTHON)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Zoboclick.wav
    COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_click.py ${CMAKE_BINARY_DIR}/Zoboclick.wav
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_click.py)
  add_custom_target(click_sound ALL DEPENDS ${CMAKE_BINARY_DIR}/Zoboclick.wav)
endif()
if(SORVANE_PYTHON AND SORVANE_CHMCMD)
  file(GLOB SORVANE_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Sorvane.chm
    COMMAND ${SORVANE_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_help.py ${CMAKE_SOURCE_DIR}/docs/help
            ${CMAKE_BINARY_DIR}/Sorvane.chm
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_help.py ${SORVANE_HELP_SOURCES})
  add_custom_target(help_file ALL DEPENDS ${CMAKE_BINARY_DIR}/Sorvane.chm)
else()
  message(STATUS "chmcmd not found: Sorvane.chm is not built")
endif()

file(GLOB SORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
add_test(NAME e2e_setup COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/env.sh setup ${CMAKE_BINARY_DIR})
add_test(NAME e2e_cleanup COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/env.sh cleanup ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_setup PROPERTIES FIXTURES_SETUP wine LABELS e2e)
set_tests_properties(e2e_cleanup PROPERTIES FIXTURES_CLEANUP wine LABELS e2e)
foreach(script ${SORVANE_E2E_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine LABELS e2e TIMEOUT 300)
endforeach()
