# Runs TOOL (through EMULATOR in a cross build) to write OUT and fails unless OUT equals
# REF byte for byte.
execute_process(COMMAND ${EMULATOR} ${TOOL} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${REF} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${OUT} differs from ${REF}; run make_banner ${REF} to make it again")
endif()
