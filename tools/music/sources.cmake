# The composer's sources without its main: the generator and the audio tests build from one list.
set(SORIMO_MUSIC_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/midi_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/composing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_pieces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pieces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/night.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tea_house.cpp
  ${CMAKE_CURRENT_LIST_DIR}/festival.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dawn.cpp)
