# Refreshes copies of a set of .ts files from its sources, as
# update_translations does, and fails when the shipped files are not what
# that gives: a text left untranslated (new or changed, nobody translated
# it), or an entry the sources no longer yield (a removed text, or one that
# lupdate cannot see, such as a label outside any class without a context).
# Run by CTest: -DLUPDATE=... -DWORK_DIR=... -DTS_FILES=a|b -DSOURCES=x|y
string(REPLACE "|" ";" ts_files "${TS_FILES}")
string(REPLACE "|" ";" sources "${SOURCES}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(message_count file out)
    file(READ ${file} text)
    string(REGEX MATCHALL "<message[ >]" messages "${text}")
    list(LENGTH messages count)
    set(${out} ${count} PARENT_SCOPE)
endfunction()

set(copies)
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${sources} -ts ${copies}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

set(problems "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(READ ${WORK_DIR}/${name} text)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" untranslated "${text}")
    foreach(entry IN LISTS untranslated)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" entry "${entry}")
        string(APPEND problems "\n  ${name}: untranslated: ${entry}")
    endforeach()
    message_count(${ts} shipped)
    message_count(${WORK_DIR}/${name} refreshed)
    if(refreshed LESS shipped)
        math(EXPR lost "${shipped} - ${refreshed}")
        string(APPEND problems "\n  ${name}: ${lost} entries the sources no longer yield")
    endif()
endforeach()
if(problems)
    message(FATAL_ERROR "the translations are not complete (refresh them with update_translations):${problems}")
endif()
