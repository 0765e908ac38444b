# Runs the leaking probe and passes when LeakSanitizer named its leak. The probe's exit status is
# not looked at: depending on the sanitizer options the report ends in an exit code or in abort(),
# and either is the expected outcome here.
execute_process(COMMAND ${PROBE} OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe RESULT_VARIABLE ergebnis)
if(NOT ausgabe MATCHES "Direct leak of 280 byte")
  message(FATAL_ERROR "LeakSanitizer did not report the probe's leak (result ${ergebnis}):\n${ausgabe}")
endif()
message(STATUS "LeakSanitizer reported the probe's leak (result ${ergebnis})")
