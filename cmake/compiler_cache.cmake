# Compiles through ccache when it is installed, so a rebuild after switching branches or
# deleting a build folder only compiles what really changed. A launcher given on the cmake
# command line wins.
option(SORIMO_CCACHE "Compile through ccache when it is installed" ON)
find_program(SORIMO_CCACHE_PROGRAM ccache)
if(SORIMO_CCACHE AND SORIMO_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  # Precompiled headers are only cached with these sloppiness settings; the header times matter
  # because the build writes the precompiled and moc headers just before compiling with them.
  set(launcher ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${SORIMO_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
