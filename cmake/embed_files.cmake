# Turns files into constant byte arrays; run as `cmake -P` at build time with
#   -DOUTPUT=file.cpp -DHEADER=name.h -DLIST=entries.txt
# where each line of the list is `symbol=path`.
file(STRINGS "${LIST}" entries)
file(WRITE "${OUTPUT}.tmp" "// Made at build time from the files in assets/; do not edit.\n#include \"${HEADER}\"\n\n")
foreach(entry IN LISTS entries)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 symbol)
  list(GET pair 1 path)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "(................................)" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(APPEND "${OUTPUT}.tmp" "const unsigned char ${symbol}[] = {\n    ${bytes}\n};\nconst unsigned int ${symbol}Size = ${size};\n\n")
endforeach()
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
