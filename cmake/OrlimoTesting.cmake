# orlimo_add_qtest(<name> SOURCES <files...> LIBS <targets...>)
# One QtTest executable registered with ctest; Qt runs headless in tests.
function(orlimo_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The X server of a test, as the touch panel's screen. Xvfb starts afresh
# whenever its last client leaves, and a client that connects meanwhile is
# turned away: a window manager started beside a first xdotool look, which
# comes and goes, would die at once on a loaded machine.
set(ORLIMO_XVFB_ARGUMENTS "-screen 0 1280x800x24 -nolisten tcp -noreset")

# orlimo_xserver_environment(<tests...>)
# Tests that make windows on a real X server, through the xcb platform. Qt
# loads its GLX integration for every window there, and with it the system's
# OpenGL driver, which nothing here uses; some drivers keep a block from
# their one-time set-up that the leak checker reports, so the tests and the
# programs they start run without it. libxkbcommon-x11 hands strndup key
# names that end with their buffer, which strict string checks report
# although strndup stops in time.
function(orlimo_xserver_environment)
  set_tests_properties(${ARGN} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_XCB_GL_INTEGRATION=none"
    ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::strict_string_checks=0")
endfunction()
