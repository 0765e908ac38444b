# Compiles lessons/lektionen.txt into the program: a small generator checks the file and writes
# a C++ table. A malformed file stops the build with the lesson and line at fault.
set(LEKTIONSTEXTE_TXT ${CMAKE_CURRENT_SOURCE_DIR}/lessons/lektionen.txt)
set(LEKTIONSTEXTE_CPP ${CMAKE_CURRENT_BINARY_DIR}/generiert/Lektionstexte.cpp)

if(NOT TARGET lektionstexte_erzeugen)
  add_executable(lektionstexte_erzeugen ${CMAKE_CURRENT_SOURCE_DIR}/scripts/lektionstexte_erzeugen.cpp)
  set_target_properties(lektionstexte_erzeugen PROPERTIES CXX_STANDARD 20 CXX_STANDARD_REQUIRED ON)
endif()

add_custom_command(
  OUTPUT ${LEKTIONSTEXTE_CPP}
  COMMAND lektionstexte_erzeugen ${LEKTIONSTEXTE_TXT} ${LEKTIONSTEXTE_CPP}
  DEPENDS lektionstexte_erzeugen ${LEKTIONSTEXTE_TXT}
  COMMENT "Lektionstexte aus lessons/lektionen.txt"
  VERBATIM)
