# Stops the build when the translation file has an entry that is not
# finished (no English yet) or obsolete (its text is gone from the sources).
# Usage: cmake -DTS_FILE=translations/vestrel_en.ts -P check_translations.cmake
file(READ "${TS_FILE}" ts)
string(REGEX MATCHALL "type=\"(unfinished|obsolete|vanished)\"" bad "${ts}")
list(LENGTH bad count)
if(count GREATER 0)
  message(FATAL_ERROR "${TS_FILE}: ${count} entries are unfinished or obsolete; "
    "translate them in Qt Linguist or the file (cmake --build build --target update_translations collects new texts)")
endif()
