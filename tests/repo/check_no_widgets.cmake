# Fails when PROGRAM loads the Qt widgets library, directly or through another library.
find_program(LDD ldd REQUIRED)
execute_process(COMMAND ${LDD} ${PROGRAM} OUTPUT_VARIABLE loaded ERROR_VARIABLE problem
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed: ${problem}")
endif()
string(REGEX MATCHALL "[^\n]*[Ww]idgets[^\n]*" widgets "${loaded}")
if(widgets)
  list(JOIN widgets "\n" text)
  message(FATAL_ERROR "${PROGRAM} loads a widgets library:\n${text}")
endif()
message(STATUS "${PROGRAM} loads no widgets library")
