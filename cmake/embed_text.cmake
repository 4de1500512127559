# Writes a text file as C++ raw string literals, for an #include between `=` and `;`: adjacent
# literals of at most 8000 bytes each, which every compiler takes.
# Usage: cmake -DINPUT=file -DOUTPUT=file.inc -P embed_text.cmake
file(READ "${INPUT}" text)
string(LENGTH "${text}" length)
set(delimiter "lumora_text")
file(WRITE "${OUTPUT}" "// Written by cmake/embed_text.cmake from ${INPUT}: do not edit.\n")
set(at 0)
while(at LESS length)
    string(SUBSTRING "${text}" ${at} 8000 chunk)
    file(APPEND "${OUTPUT}" "R\"${delimiter}(${chunk})${delimiter}\"\n")
    math(EXPR at "${at} + 8000")
endwhile()
