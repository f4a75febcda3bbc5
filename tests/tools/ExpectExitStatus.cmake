# Runs PROGRAM on SCRIPT (through EMULATOR, if given, as a cross build's tests run) and fails unless it exits
# with status EXPECTED.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${SCRIPT} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT status STREQUAL EXPECTED)
    message(FATAL_ERROR "${PROGRAM} ${SCRIPT} exited with ${status}, expected ${EXPECTED}:\n${output}")
endif()
