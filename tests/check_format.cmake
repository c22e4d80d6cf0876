# Every C++ source is as clang-format lays it out by the .clang-format at the
# root. Pixel grids keep their rows under "clang-format off".
file(GLOB_RECURSE sources
  "${SOURCE}/src/*.cpp" "${SOURCE}/src/*.h" "${SOURCE}/tests/*.cpp" "${SOURCE}/tests/*.h"
  "${SOURCE}/tools/*.cpp" "${SOURCE}/tools/*.h" "${SOURCE}/bench/*.cpp" "${SOURCE}/bench/*.h")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE unformatted)
if(unformatted)
  message(FATAL_ERROR "not formatted (run: clang-format -i on the files named above)")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted")
