# Script mode (cmake -P): turns the module-definition file the linker wrote
# for a DLL exported with --kill-at ("Name = Name@8 @1") into one that lists
# the decorated names ("Name@8"), for dlltool -k to make an import library
# whose callers' decorated references import the plain names.
file(STRINGS ${DEF_IN} lines)
set(out "EXPORTS\n")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line STREQUAL "EXPORTS" OR line MATCHES "^LIBRARY")
    continue()
  endif()
  string(REGEX REPLACE "^[^ ]+ = " "" line "${line}")
  string(REGEX REPLACE " @[0-9]+" "" line "${line}")
  string(APPEND out "    ${line}\n")
endforeach()
file(WRITE ${DEF_OUT} "${out}")
