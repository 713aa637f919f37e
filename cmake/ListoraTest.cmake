# One helper declares every test executable, so each is registered with CTest
# the same way and carries a label (core, tool, gui). GUI tests share one
# display, whose clipboard and keyboard focus belong to whichever window
# took them last, so they never run at the same time as each other. Every test
# has a time limit, so a hang fails that one test by name instead of stalling
# the whole run.
find_package(GTest REQUIRED)
include(GoogleTest)

function(listora_add_test name label)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # For tests that compare the installed files with what the program writes.
  target_compile_definitions(${name} PRIVATE LISTORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(_lock)
  set(_timeout 60)
  if(label STREQUAL "gui")
    set(_lock RESOURCE_LOCK display)
    set(_timeout 300)
  endif()
  # An empty value would be dropped from the list and shift every property
  # after it onto the wrong name.
  set(_env)
  if(ARG_ENV)
    set(_env ENVIRONMENT "${ARG_ENV}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${label} ${_env} TIMEOUT ${_timeout} ${_lock})
endfunction()
