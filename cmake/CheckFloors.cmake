# Checks that every folder of src/ includes only folders on floors below it,
# so the folders never include one another in a circle.
#
#   cmake -DSRC=path/to/src -P cmake/CheckFloors.cmake
#
# The floors, lowest first; folders on one floor, joined by commas, may not
# include each other.
set(floor_number 0)
foreach(folders "world" "assets" "toolkit" "sim" "commands,missions" "terminal" "app")
  string(REPLACE "," ";" names "${folders}")
  foreach(name IN LISTS names)
    set(floor_of_${name} ${floor_number})
  endforeach()
  math(EXPR floor_number "${floor_number} + 1")
endforeach()

file(GLOB_RECURSE files "${SRC}/*.h" "${SRC}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
  file(RELATIVE_PATH relative "${SRC}" "${file}")
  string(REGEX REPLACE "/.*" "" folder "${relative}")
  if(NOT DEFINED floor_of_${folder})
    string(APPEND faults "  ${relative}: the folder ${folder} has no floor\n")
    continue()
  endif()
  file(STRINGS "${file}" includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" target "${line}")
    if(target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED floor_of_${target} OR NOT floor_of_${target} LESS floor_of_${folder})
      string(APPEND faults "  ${relative} includes ${target}/, which is not on a floor below ${folder}/\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Folders of src/ that include a floor not below them:\n${faults}")
endif()
