# RelWithDebInfo, the default build of scripts/play.sh and scripts/test.sh, keeps line tables
# only: enough for backtraces, profilers and sanitizer reports. Full debug info of optimised code
# makes g++ track every variable's location through the optimisers, which costs about a third
# more compile time; Debug builds keep it for stepping through the code.
option(SORIMO_FULL_DEBUG_INFO "Full debug info in RelWithDebInfo builds too" OFF)
if(NOT SORIMO_FULL_DEBUG_INFO AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options($<$<CONFIG:RelWithDebInfo>:-g1>)
endif()
