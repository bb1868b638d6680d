# Installs the build tree into a fresh prefix, builds the host project
# against that prefix alone, and runs it. Called by CTest with
# BUILD_DIR, HOST_SOURCE_DIR, WORK_DIR, GENERATOR, CXX_COMPILER,
# SANITIZE_FLAGS (empty for a plain build) and QT_MAJOR.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command}\n${output}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} -S ${HOST_SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    "-DCMAKE_CXX_FLAGS=${SANITIZE_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${SANITIZE_FLAGS}"
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DVX_QT_MAJOR=${QT_MAJOR})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
execute_process(COMMAND ${WORK_DIR}/build/tst_installed_host RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "tst_installed_host failed")
endif()
