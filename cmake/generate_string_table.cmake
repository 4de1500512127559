# Writes the string table of res/strings.rc as C++ initialisers, with the ids of res/resource.h,
# so that the portable core knows the INI names without LoadString.
# Run as: cmake -DRESOURCE_H=... -DSTRINGS_RC=... -DOUTPUT=... -P generate_string_table.cmake
file(STRINGS "${RESOURCE_H}" defines REGEX "^#define[ \t]+IDS_[A-Za-z0-9_]+[ \t]+[0-9]+")
foreach(line IN LISTS defines)
    string(REGEX MATCH "^#define[ \t]+(IDS_[A-Za-z0-9_]+)[ \t]+([0-9]+)" _ "${line}")
    set(id_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()

set(body "// Generated from res/resource.h and res/strings.rc; do not edit.\n")
file(STRINGS "${STRINGS_RC}" entries REGEX "^[ \t]*IDS_[A-Za-z0-9_]+[ \t]+\"")
foreach(line IN LISTS entries)
    string(REGEX MATCH "^[ \t]*(IDS_[A-Za-z0-9_]+)[ \t]+\"(.*)\"[ \t]*$" _ "${line}")
    set(name "${CMAKE_MATCH_1}")
    set(text "${CMAKE_MATCH_2}")
    if(NOT DEFINED id_${name})
        message(FATAL_ERROR "${STRINGS_RC}: ${name} has no id in ${RESOURCE_H}")
    endif()
    # A doubled quotation mark stands for one in the resource script.
    string(REPLACE "\"\"" "\\\"" text "${text}")
    string(APPEND body "{${id_${name}}u, \"${text}\"},  // ${name}\n")
endforeach()

file(WRITE "${OUTPUT}" "${body}")
