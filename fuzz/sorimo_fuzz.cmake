# sorimo_fuzz_target(NAME SOURCE LIBS...): a libFuzzer program when SORIMO_FUZZ is on (clang),
# and always a replay program NAME_replay that feeds every file of fuzz/corpus/NAME to the
# same entry point; the replay runs as a test, so CI checks the saved corpus under the sanitizers.
function(sorimo_fuzz_target name source)
  set(libs ${ARGN})
  if(SORIMO_FUZZ)
    add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${libs})
  endif()
  if(SORIMO_TESTS)
    # The replay's main is the same for every target: compiled once, linked into each.
    if(NOT TARGET sorimo_fuzz_replay_main)
      add_library(sorimo_fuzz_replay_main OBJECT ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    endif()
    add_executable(${name}_replay ${PROJECT_SOURCE_DIR}/fuzz/${source})
    target_link_libraries(${name}_replay PRIVATE sorimo_fuzz_replay_main ${libs})
    add_test(NAME fuzz_replay.${name} COMMAND ${name}_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
endfunction()
